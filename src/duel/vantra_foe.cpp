// The opponent at the table: its state once a second, its bars, its moves and
// the power-up of the new castle.
#include "duel/vantra_form.h"

#include "app/state.h"
#include "platform/random.h"
#include "platform/rounding.h"

#include <algorithm>

namespace {
QColor BarQColor(BarColour c) {
    switch (c) {
        case BarColour::Red:
            return BgrColor(0x0000FF);
        case BarColour::Yellow:
            return BgrColor(0x00FFFF);
        case BarColour::Green:
            return BgrColor(0x00FF00);
        case BarColour::Blue:
            break;
    }
    return BgrColor(0xFF0000);
}
}  // namespace

void VantraForm::SetMood(const QString& text, QColor colour) {
    if (Label4->text() != text) Label4->setText(text);
    if (colour != moodColour_) {
        moodColour_ = colour;
        QPalette pal = Label4->palette();
        pal.setColor(QPalette::WindowText, colour);
        Label4->setPalette(pal);
    }
}

void VantraForm::eAvTimer_Timer() {
    host::Randomize();
    const int r = Draw(20);
    if (FoeCount >= 10 && StageNo > 10 && r == 5) {
        Picture1->setBackColor(kPowerUpColour);
        Timer1.setEnabled(true);  // a power-up already running is not lengthened
        PowerUp = true;
    }
    const FoeParams params{FoeQuickBase, FoeTemper, FoeSkill};
    FoeQualities q;
    if (!PowerUp) {
        q = ComputeQualities(params, FoeCount, MyCount);
        SetMood(QString::fromUtf8(MoodText(MoodOf(q))), Qt::white);
    } else {
        q = PowerUpQualities(params);
        // The mood blinks red and yellow once a second.
        const QColor yellow = BgrColor(0x00FFFF);
        SetMood(QString::fromUtf8(kPowerUpText), moodColour_ == yellow ? BgrColor(0x0000FF) : yellow);
    }
    Anger = q.anger;
    Quickness = q.quickness;
    Concentration = q.concentration;
    Accuracy = q.accuracy;
    const int32_t interval = MoveInterval(Quickness);
    AvProgress(Quickness, Anger, Concentration, Accuracy);
    PlayInterval = host::Sat16(interval);
    eHeadTimer.setInterval(interval);
}

void VantraForm::AvProgress(int16_t& q, int16_t& a, int16_t& c, int16_t& acc) {
    int16_t* values[] = {&q, &a, &c, &acc};
    for (int bar = 0; bar < 4; ++bar) {
        int16_t& v = *values[bar];
        const BarColour colour = BarColourFor(bar, v);
        v = std::clamp<int16_t>(v, 0, BarMaximum(bar));
        Picture6[static_cast<size_t>(bar)]->setBar(v, BarMaximum(bar), BarQColor(colour));
    }
}

void VantraForm::Timer1_Timer() {
    PowerUp = false;
    Picture1->setBackColor(kTableColour);
    Timer1.setEnabled(false);
}

void VantraForm::eHeadTimer_Timer() {
    host::Randomize();
    const int r = Draw(100);
    // The next move comes 48 ms earlier to 150 ms later than the base pace.
    eHeadTimer.setInterval(host::Sat16(PlayInterval - 50 + 2 * r));

    if (const int place = FoeFillPlace(Slot, FoeCount)) {
        SetSlot(place, eAddCard());
        PlayWave(MoveSound);
        return;
    }
    const FoeQualities q{Quickness, Anger, Concentration, Accuracy};
    if (auto [target, source] = FoeMergePair(Slot, q, r); target != 0) {
        SetSlot(target, slot(source));
        SetSlot(source, 0);
        PlayWave(MoveSound);
        return;
    }
    host::Randomize();
    const auto order = FoeLayOrder();
    if (auto [source, pile] = FoeLay(Slot, order); source != 0) {
        SetSlot(pile, slot(source));
        SetSlot(source, 0);
        PlayWave(MoveSound);
        // Having laid, the opponent is quicker to lay again.
        eHeadTimer.setInterval(host::CInt(PlayInterval / 2.0));
    }
}
