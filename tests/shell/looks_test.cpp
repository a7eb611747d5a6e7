// What the player sees first: the main window with the backdrop and the title.
// Every text must be drawn from a font that has all its characters (no
// missing-glyph boxes) and fit the place it is drawn in.
#include "app/resetup_form.h"
#include "app/startup.h"
#include "look/look.h"
#include "shell/about_form.h"
#include "shell/back_form.h"
#include "shell/help_form.h"
#include "shell/key_form.h"
#include "shell/open_form.h"
#include "shell/option_form.h"
#include "shell/p_main_form.h"
#include "shell/shell_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <functional>
#include <string>

StartupWindows GameStartupWindows();

namespace {

class LooksTest : public ShellTest {
protected:
    // Keeps a copy of what a test saw when VANTRAX_SHOT_DIR names a folder.
    static void keep(const QImage& img, const char* name) {
        const QString dir = qEnvironmentVariable("VANTRAX_SHOT_DIR");
        if (!dir.isEmpty()) img.save(QDir(dir).filePath(QLatin1String(name)));
    }
};

// Characters of `text` that `font` cannot draw.
QString missingGlyphs(const QFont& font, const QString& text) {
    const QRawFont raw = QRawFont::fromFont(font);
    QString missing;
    for (QChar ch : text)
        if (!ch.isSpace() && ch != QLatin1Char('&') && !raw.supportsCharacter(ch)) missing += ch;
    return missing;
}

void expectDrawable(const QFont& font, const QString& text) {
    EXPECT_TRUE(font.exactMatch() || QFontInfo(font).family() == font.family())
        << font.family().toStdString() << " is not installed";
    EXPECT_EQ(missingGlyphs(font, text), QString()) << text.toStdString();
}

bool goldish(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 130 && qBlue(c) < 150;
}
bool parchment(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 180 && qBlue(c) > 120;
}
bool inky(QRgb c) {
    return qRed(c) < 90 && qGreen(c) < 80 && qBlue(c) < 90;
}

int count(const QImage& img, const QRect& r, bool (*pred)(QRgb)) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (pred(img.pixel(x, y))) ++n;
    return n;
}

TEST_F(LooksTest, TitleWindow) {
    Forms::Get<MeinForm>();
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    const QImage img = title.grab().toImage().convertToFormat(QImage::Format_RGB32);
    keep(img, "title.png");
    ASSERT_EQ(img.size(), title.size() * img.devicePixelRatio());
    // The logo: gold letters over the night sky.
    EXPECT_GT(count(img, QRect(120, 80, 400, 90), goldish), 3000);
    for (PlaqueButton* b : title.Image1) {
        SCOPED_TRACE(b->caption().toStdString());
        const QRect r = b->geometry();
        // A parchment plaque with a dark caption on it.
        EXPECT_GT(count(img, r, parchment), r.width() * r.height() / 3);
        EXPECT_GT(count(img, r.adjusted(r.height(), 4, -r.height(), -4), inky), 30);
        // The caption fits between the suit marks at both ends.
        const QFont font = look::PlaqueFont(r.height());
        expectDrawable(font, b->caption());
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(b->caption()), r.width() - 2 * r.height());
    }
}

TEST_F(LooksTest, MainWindowWithBackdropAndTitle) {
    MeinForm& m = Forms::Get<MeinForm>();
    m.setWindowState(Qt::WindowNoState);
    m.setGeometry(0, 0, 1024, 768);
    BackForm& back = Forms::Get<BackForm>();
    back.Show();
    OpenForm& title = Forms::Get<OpenForm>();
    title.Show();
    advance(1);
    const QImage img = m.grab().toImage().convertToFormat(QImage::Format_RGB32);
    keep(img, "main.png");

    // The title sits in the middle of the client area, in front of the backdrop.
    const QRect client = m.Client->geometry();
    EXPECT_EQ(back.geometry(), QRect(QPoint(0, 0), client.size()));
    // Where the player sees it: the window fits the title at 1.5x.
    EXPECT_EQ(Forms::scale(), 1.5);
    const QRect seen(Forms::mapToHost(&title, QPointF(0, 0)),
                     Forms::mapToHost(&title, QPointF(title.width(), title.height())) - QPoint(1, 1));
    const QPoint offCentre = seen.center() - QRect(QPoint(0, 0), client.size()).center();
    EXPECT_LE(offCentre.manhattanLength(), 2);  // odd sizes halve to a pixel either way
    const QRect titleInWindow = seen.translated(client.topLeft());
    EXPECT_GT(count(img, titleInWindow, parchment), 7 * 240 * 30 / 3);

    // The backdrop's labels show whole, inside the client area.
    for (QLabel* l : {back.Label1, back.Label2, back.Label3}) {
        SCOPED_TRACE(l->text().toStdString());
        expectDrawable(l->font(), l->text());
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()));
        EXPECT_TRUE(back.rect().contains(l->geometry()));
    }
    // The progress bar keeps its width as the opening scene fills it.
    EXPECT_EQ(back.Label3->fontMetrics().horizontalAdvance(ProgressBarText(0)),
              back.Label3->fontMetrics().horizontalAdvance(ProgressBarText(8)));
    // "Presented by Nimbrel" is drawn in the bottom right corner.
    const QRect presented = back.Label1->geometry().translated(client.topLeft());
    EXPECT_GT(count(img, presented, goldish), 40);

    // The menu bar and its menus.
    expectDrawable(m.MenuBar->font(), m.mnuFile->title() + m.mnuHelp->title() + m.mnuView->title());
    for (QMenu* menu : {m.mnuFile, m.mnuPractice, m.mnuHelp, m.mnuView})
        for (QAction* a : menu->actions()) expectDrawable(menu->font(), a->text());
}

bool night(QRgb c) {
    return qBlue(c) > qRed(c) && qBlue(c) >= 0x20 && qRed(c) < 0x60 && qGreen(c) < 0x60;
}

// The dialogs are dressed as the title is: the night sky inside a gold frame,
// and their push buttons drawn as parchment plaques with the caption on them.
TEST_F(LooksTest, DialogsWearTheGameLook) {
    Forms::Get<MeinForm>();
    struct Case {
        const char* name;
        std::function<GameForm*()> open;
    };
    const Case cases[] = {
        {"options", [] { return static_cast<GameForm*>(&Forms::Get<OptionForm>()); }},
        {"key_capture", [] { return static_cast<GameForm*>(&Forms::Get<KeyForm>()); }},
        {"about", [] { return static_cast<GameForm*>(&Forms::Get<frmAbout>()); }},
        {"help", [] { return static_cast<GameForm*>(&Forms::Get<HelpForm>()); }},
        {"resetup",
         [] {
             // Start-up dresses it through the shell's hook: the app layer has no look of its own.
             ResetupForm& r = Forms::Get<ResetupForm>();
             GameStartupWindows().dressDialog(r);
             return static_cast<GameForm*>(&r);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameForm* f = c.open();
        f->Show();
        const QImage img = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
        keep(img, (std::string(c.name) + ".png").c_str());
        ASSERT_EQ(img.devicePixelRatio(), 1.0);
        const QRect all = img.rect();
        EXPECT_GT(count(img, all, night), all.width() * all.height() / 8) << "a night-blue dialog";
        // The frame's inner gold line runs down the left side, 8 pixels in.
        const QRect frame(7, 20, 3, img.height() - 40);
        EXPECT_GT(count(img, frame, goldish), frame.height() / 2);
        for (QPushButton* b : f->findChildren<QPushButton*>()) {
            if (!b->isVisible()) continue;
            SCOPED_TRACE(b->text().toStdString());
            const QRect r(b->mapTo(f, QPoint(0, 0)), b->size());
            EXPECT_GT(count(img, r, parchment), r.width() * r.height() / 3) << "a parchment plaque";
            EXPECT_GT(count(img, r.adjusted(r.height() / 2, 4, -r.height() / 2, -4), inky), 20) << "its caption";
            EXPECT_FALSE(b->accessibleName().isEmpty());
        }
        f->Unload();
    }
}

TEST_F(LooksTest, DialogTextsHaveTheirGlyphs) {
    Forms::Get<MeinForm>();
    OptionForm& options = Forms::Get<OptionForm>();
    options.Show();
    keep(options.grab().toImage(), "options.png");
    for (QLabel* l : options.findChildren<QLabel*>()) {
        expectDrawable(l->font(), l->text());
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << l->text().toStdString();
    }
    for (QAbstractButton* b : options.findChildren<QAbstractButton*>()) expectDrawable(b->font(), b->text());
    for (QGroupBox* g : options.findChildren<QGroupBox*>()) expectDrawable(g->font(), g->title());
    options.Command3_Click();

    // The message window's own fonts, with the texts the shell shows in it.
    dismissAfter(20);
    time->after(10, [this] {
        MesForm* f = Forms::Find<MesForm>();
        keep(f->grab().toImage(), "message.png");
        expectDrawable(f->Label1->font(), f->Label1->text());
        expectDrawable(f->Label2->font(), QStringLiteral("本当にゲームをやめてしまうのかい？では、私と勝負しましょう。"
                                                         "「キーボード」の指定にところで同じキーを指定しているよ。"));
        // The longest of them sits on the ruled lines of the background.
        EXPECT_LE(f->textLineCount(), 3);
    });
    MesBox(28, QStringLiteral("案内人  ポルカ"),
           QStringLiteral("「キーボード」の指定にところで同じキーを指定しているよ。"), false, true);
}

}  // namespace
