#pragma once
// Windows as the game knows them: each exists at most once, is created and
// loaded the first time anything refers to it, and is created afresh (its load
// steps running again) after it has been unloaded. Screens are child windows of
// the main window's client area, centred in it; dialogs are top-level windows
// over it.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <typeindex>
#include <vector>

class QAbstractButton;
class QGraphicsView;

class GameForm : public QWidget {
    Q_OBJECT
public:
    explicit GameForm(QWidget* parent = nullptr);
    ~GameForm() override;

    // Screens live inside the main window; dialogs (message window, key capture,
    // export) are top-level windows above it.
    virtual bool isDialog() const { return false; }
    virtual void Form_Load() {}
    // Runs when the window is unloaded; setting `cancel` keeps it.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

    // Shows the window without waiting.
    void Show();
    // Shows the window modally: returns when it has been hidden or unloaded;
    // timers of other windows keep running meanwhile.
    void ShowModal();
    // Runs Form_Unload and, unless cancelled, stops the window's timers, hides
    // it and destroys it. Returns false when the unload was cancelled.
    bool Unload();
    bool unloaded() const { return unloaded_; }
    // Centres the window inside its host's client area.
    void CenterInHost();
    // Whether the window is drawn at the screens' size; the backdrop is not.
    virtual bool scalesWithHost() const { return true; }
    // The host's area changed size or the screens' size changed: a screen
    // stays centred unless it lays itself out otherwise.
    virtual void HostResized() { CenterInHost(); }

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    // Gives a window the keys people expect of a dialog: Enter presses the
    // button that has the focus, else `accept`; Escape presses `reject`.
    // Either may be null.
    void setDialogButtons(QAbstractButton* accept, QAbstractButton* reject);

private:
    QPointer<QAbstractButton> acceptButton_, rejectButton_, pendingButton_;
    bool unloaded_ = false;
    bool unloading_ = false;
};

namespace Forms {

// The widget that hosts every screen (the main window's client area).
void setHost(QWidget* clientArea);
QWidget* host();

// The screens' size factor (1 = as designed). At any other factor the screens
// are drawn by a view over the whole client area that scales them, so their
// own layouts, pictures and mouse handling stay in their designed pixels and
// the view maps every click and drag back into them. Loaded screens move
// into or out of the view at once.
void setScale(qreal factor);
qreal scale();
// The area the screens are laid out in, in their own pixels: the client area
// divided by the factor.
QSize screenArea();
// Lays every hosted screen out again (after a resize or a change of factor).
void layoutScreens();
// The view that draws the screens at factors other than 1; null at 1.
QGraphicsView* scaledView();
// A point of a screen in the client area's pixels, where the player sees it.
QPoint mapToHost(const QWidget* widget, QPointF local);
// The loaded screens (not dialogs), in no particular order.
std::vector<GameForm*> screens();
// Runs whenever a screen is shown or hidden (the backdrop follows it).
void setScreensChanged(std::function<void()> changed);

GameForm* find(std::type_index type);
void attach(std::type_index type, GameForm* form);
void forget(GameForm* form);
// Ends the program's windows at once, without their own closing steps, and
// drops the calls deferred to the outermost level.
void discardAll();

template <class F>
F* Find() {
    return static_cast<F*>(find(std::type_index(typeid(F))));
}

// The window of type F, created and loaded on first reference.
template <class F>
F& Get() {
    if (F* f = Find<F>()) return *f;
    F* f = new F();
    attach(std::type_index(typeid(F)), f);
    f->Form_Load();
    return *f;
}

template <class F>
bool IsLoaded() {
    return Find<F>() != nullptr;
}

// Unloads F if it is loaded. Returns false only when its unload was cancelled.
template <class F>
bool Unload() {
    F* f = Find<F>();
    return f ? f->Unload() : true;
}

}  // namespace Forms

// Twips to pixels at 100 %: the game's layouts are given in twips.
constexpr int Tw(int twips) {
    return (twips * 2 + 15) / 30;
}
