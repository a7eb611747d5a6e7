#include "look/dialogs.h"
#include "look/look.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace {

// Fusion draws the check boxes, radio buttons and frames from the palette
// alone, so they take the night colours as they are; only the push buttons
// need a shape of their own.
class PlaqueStyle : public QProxyStyle {
public:
    PlaqueStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButton || !button) return QProxyStyle::drawControl(element, option, p, widget);
        const bool enabled = option->state & State_Enabled;
        const bool focused = option->state & State_HasFocus;
        const bool hot = enabled && (option->state & (State_MouseOver | State_Sunken | State_HasFocus));
        p->save();
        if (!enabled) p->setOpacity(0.5);
        look::PaintPlaque(*p, QRectF(option->rect), plainCaption(button->text), -1, hot);
        if (focused) {
            // The keyboard's place, seen without the pointer: a dotted crimson rim.
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(QPen(look::kCrimson, 1.4, Qt::DashLine));
            p->setBrush(Qt::NoBrush);
            const double radius = option->rect.height() * 0.2;
            p->drawRoundedRect(QRectF(option->rect).adjusted(5.5, 5.5, -6.5, -6.5), radius, radius);
        }
        p->restore();
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
        // Room for the rim and the rounded ends of the plaque.
        if (type == CT_PushButton) s = QSize(s.width() * 6 / 5 + 24, std::max(s.height(), 30));
        return s;
    }

private:
    // The caption without its mnemonic marks ("&S" shows as "S", "&&" as "&").
    static QString plainCaption(const QString& text) {
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
            out += text[i];
        }
        return out;
    }
};

QStyle* plaqueStyle() {
    // One for the program, like the application's own style.
    static QPointer<QStyle> style;
    if (!style) style = new PlaqueStyle;
    return style;
}

// Draws the night and the frame under the dialog's controls.
class Backdrop : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            auto* w = static_cast<QWidget*>(watched);
            QPainter p(w);
            look::PaintNight(p, QRectF(w->rect()));
            look::PaintGoldFrame(p, QRectF(w->rect()));
        }
        return false;
    }
};

QPalette nightPalette(QPalette pal) {
    using look::kInk;
    pal.setColor(QPalette::Window, look::kNight);
    pal.setColor(QPalette::WindowText, look::kParchment);
    pal.setColor(QPalette::Base, look::kParchment);
    pal.setColor(QPalette::AlternateBase, look::kParchmentDark);
    pal.setColor(QPalette::Text, kInk);
    pal.setColor(QPalette::Button, look::kNightHigh);
    pal.setColor(QPalette::ButtonText, look::kParchment);
    pal.setColor(QPalette::Highlight, look::kCrimson);
    pal.setColor(QPalette::HighlightedText, look::kCardFace);
    pal.setColor(QPalette::Light, look::kGoldLight);
    pal.setColor(QPalette::Midlight, look::kGold);
    pal.setColor(QPalette::Mid, look::kGoldDark);
    pal.setColor(QPalette::Dark, look::kGoldDark);
    pal.setColor(QPalette::Shadow, look::kNightDeep);
    pal.setColor(QPalette::Link, look::kCrimson);
    pal.setColor(QPalette::PlaceholderText, look::kInkSoft);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, look::kParchmentDark);
    pal.setColor(QPalette::Disabled, QPalette::Text, look::kInkSoft);
    return pal;
}

}  // namespace

void DressDialog(QWidget& dialog) {
    if (dialog.property("vantraxDressed").toBool()) return;
    dialog.setProperty("vantraxDressed", true);
    dialog.setPalette(nightPalette(dialog.palette()));
    dialog.installEventFilter(new Backdrop(&dialog));
    // A widget's style does not pass to its children: each control takes it.
    QStyle* style = plaqueStyle();
    dialog.setStyle(style);
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        w->setStyle(style);
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            b->setAttribute(Qt::WA_Hover);
            b->setFont(look::Gothic(13, true));
        }
    }
}
