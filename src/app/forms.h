#pragma once
// Windows as the game knows them: each exists at most once, is created and
// loaded the first time anything refers to it, and is created afresh (its load
// steps running again) after it has been unloaded. Screens are child windows of
// the main window's client area, centred in it; dialogs are top-level windows
// over it.
#include <QPointer>
#include <QWidget>
#include <typeindex>

class QAbstractButton;

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
