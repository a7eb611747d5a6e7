#include "scenes/staff_form.h"

#include "app/shared_procedures.h"
#include "platform/program_folder.h"
#include "platform/rounding.h"
#include "platform/scheduler.h"
#include "platform/timer.h"
#include "scenes/scene_canvas.h"
#include "scenes/staff_roll.h"

namespace {
constexpr int kWidth = 500, kHeight = 400;
constexpr int kBlinds = 10, kBlindWidth = 50;
constexpr int kStaffMusic = 10;
constexpr double kHeadingPoints = 24, kNamePoints = 20;
const QColor kSilver(192, 192, 192);

// Label captions keep the game's CR LF; a label on this system breaks lines at LF.
QString labelText(const QString& caption) {
    QString t = caption;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QFont serifTitle() {
    QFont f;
    f.setFamilies(
        {QStringLiteral("CenturyOldst"), QStringLiteral("Century Schoolbook L"), QStringLiteral("Liberation Serif")});
    f.setPixelSize(ScenePixelSize(36));
    f.setItalic(true);
    return f;
}
}  // namespace

StaffForm::StaffForm() {
    Picture1 = new SceneCanvas(this, kWidth, kHeight);
    Picture2 = new SceneCanvas(this, kWidth, kHeight);
    Picture2->font() = SceneArial(kHeadingPoints, true);
    Label1 = new SceneLabel(this);
    Label1->setFont(serifTitle());
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(labelText(kStaffTitle));
    Label2 = new SceneLabel(this);
    Label2->setFont(SceneArial(18, true));
    Label2->setText(QStringLiteral("Nimbrel Staff"));
    Label3 = new SceneLabel(this);
    Label3->setFont(SceneArial(16, false));
    Label3->setAlignment(Qt::AlignCenter);
    Label4 = new SceneLabel(this);
    Label4->setFont(SceneArial(22, true));
    Label4->setText(QStringLiteral("Producted by Nimbrel"));
    for (SceneLabel* l : {Label1, Label2, Label3, Label4}) {
        l->setAttribute(Qt::WA_TranslucentBackground);
        setColour(l, Qt::white);
        l->adjustSize();
        connect(l, &SceneLabel::clicked, this, [this] { Skip(); });
    }
    Label3->setFixedWidth(kWidth);
    for (SceneCanvas* c : {Picture1, Picture2}) connect(c, &SceneCanvas::clicked, this, [this] { Skip(); });
    Timer1 = new host::Timer(this, 100, [this] { Timer1_Timer(); });
    buildScript();
    NameScene(QStringLiteral("スタッフロール"));
}

void StaffForm::setColour(QLabel* label, const QColor& c) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, c);
    label->setPalette(pal);
}

void StaffForm::Form_Load() {
    Busy busy(this);
    FillHost();
    Timer1->setEnabled(false);
    // The run's points meet the record book here, before the roll starts.
    UpdateRecords();
    if (closing()) return;
    Picture1->setCanvasSize(kWidth, kHeight);
    host::ChDirProgram();
    if (!Preload(faces, "eData", 4)) return;
    Step = 0;
    PlayMusic(kStaffMusic);
    SetMenu(0);
    SetInterval(*Timer1, 100);
    Timer1->setEnabled(true);
    setColour(Label1, Qt::black);
    Label1->hide();
    Label1->setText(labelText(kStaffTitle));
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(Picture2)})
        w->hide();
    Picture1->show();
    Form_Resize();
}

void StaffForm::Form_Resize() {
    CentreCanvas(Picture1);
    CentreCanvas(Picture2);
    Label1->adjustSize();
    CentreCanvas(Label1);
    Label2->adjustSize();
    Label2->move(Picture1->x(), Picture1->y() - Label2->height() - 8);
    Label3->adjustSize();
    Label3->move(Picture1->x(), Picture1->y() + Picture1->height() + 8);
    Label4->adjustSize();
    CentreCanvas(Label4);
}

void StaffForm::Timer1_Timer() {
    RunStep(*Timer1, script_);
}

void StaffForm::Form_Unload(bool& cancel) {
    SceneForm::Form_Unload(cancel);
    hide();
    host::DoEvents();
    StopMusic(kStaffMusic);
    ShowTitle();
}

void StaffForm::FirstStaff() {
    RollCount = kRollCount;
    Picture2->font() = SceneArial(kHeadingPoints, true);
    for (int i = 0; i < kRollCount; ++i) {
        const RollLine& line = kStaffRoll[static_cast<size_t>(i)];
        RollText[static_cast<size_t>(i)] = QString::fromUtf8(line.text);
        RollHeading[static_cast<size_t>(i)] = line.heading;
        Picture2->font().setPixelSize(ScenePixelSize(line.heading ? kHeadingPoints : kNamePoints));
        RollX[static_cast<size_t>(i)] =
            host::CInt((kWidth - Picture2->TextWidth(RollText[static_cast<size_t>(i)])) / 2.0);
    }
}

bool StaffForm::PaintFace(int n) {
    // Ten blinds open from their left edges, one pixel column at a time.
    for (int c = 0; c < kBlindWidth; ++c) {
        for (int b = 0; b < kBlinds; ++b) Picture1->CopyColumn(faces.picture(n), kBlindWidth * b + c, kHeight);
        host::DoEvents();
        if (closing()) return false;
    }
    return true;
}

bool StaffForm::PaintFaceDel() {
    for (int c = 0; c < kBlindWidth; ++c) {
        for (int b = 0; b < kBlinds; ++b) {
            const int x = kBlindWidth * b + c;
            Picture1->Line(x, 0, x, kHeight, Qt::black);
        }
        host::DoEvents();
        if (closing()) return false;
    }
    return true;
}

bool StaffForm::PaintName(int32_t s) {
    Picture2->Clear();
    for (const RollPlacement& at : RollLinesAt(s, RollCount)) {
        const size_t i = static_cast<size_t>(at.line - 1);
        Picture2->font().setPixelSize(ScenePixelSize(RollHeading[i] ? kHeadingPoints : kNamePoints));
        Picture2->setForeColor(RollHeading[i] ? QColor(Qt::white) : kSilver);
        Picture2->CurrentX = RollX[i];
        Picture2->CurrentY = at.y;
        Picture2->Print(RollText[i]);
    }
    host::DoEvents();
    return !closing();
}

void StaffForm::buildScript() {
    auto title = [this](QColor c, bool show = false) {
        return [this, c, show](int32_t) {
            setColour(Label1, c);
            if (show) Label1->show();
        };
    };
    auto fadeLine = [this](QColor c, bool show = false) {
        return [this, c, show](int32_t) {
            setColour(Label4, c);
            if (show) Label4->show();
        };
    };
    auto grey = [](int v) { return QColor(v, v, v); };
    auto yellow = [](int v) { return QColor(v, v, 0); };
    script_ = {
        {1, 1, 100, [this](int32_t) { FirstStaff(); }},
        {2, 2, 100, title(grey(64), true)},
        {3, 3, 100, title(grey(128))},
        {4, 4, 100, title(grey(192))},
        {5, 5, 100, title(grey(224))},
        {6, 6, 2000, title(Qt::white)},
        {7, 7, 100, title(grey(224))},
        {8, 8, 100, title(grey(192))},
        {9, 9, 100, title(grey(128))},
        {10, 10, 100, title(grey(64))},
        {11, 11, 500, [this](int32_t) { Label1->hide(); }},
        {12, 12, 5500,
         [this](int32_t) {
             if (!PaintFace(1)) return;
             Label2->show();
             Label3->show();
             Label3->setText(QString::fromUtf8(kPortraitNames[0]));
         }},
        {13, 15, 5500,
         [this](int32_t step) {
             Label2->hide();
             const int n = step - 11;
             if (!PaintFace(n)) return;
             Label2->show();
             Label3->setText(QString::fromUtf8(kPortraitNames[static_cast<size_t>(n - 1)]));
         }},
        {16, 16, 20,
         [this](int32_t) {
             if (!PaintFaceDel()) return;
             Label2->hide();
             Label3->hide();
             Picture1->hide();
             Picture2->show();
         }},
        {17, 679, 20, [this](int32_t step) { PaintName(4 * (step - 17)); }},
        {680, 680, 100,
         [this, fadeLine, yellow](int32_t s) {
             Picture2->Clear();
             fadeLine(yellow(48), true)(s);
         }},
        {681, 681, 100, fadeLine(yellow(96))},
        {682, 682, 100, fadeLine(yellow(144))},
        {683, 683, 100, fadeLine(yellow(192))},
        {684, 684, 13000, fadeLine(yellow(255))},
        {685, 685, 100, fadeLine(yellow(192))},
        {686, 686, 100, fadeLine(yellow(144))},
        {687, 687, 100, fadeLine(yellow(96))},
        {688, 688, 100, fadeLine(yellow(48))},
        {689, 689, 2000, [this](int32_t) { Label4->hide(); }},
        {690, 690, 0, [this](int32_t) { Unload(); }},
    };
}
