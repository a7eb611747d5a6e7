#pragma once
// The export window's drive list and folder list: the mounted volumes, and
// one folder's ancestors above it and its subfolders below it. Choosing a
// folder in the list highlights it; a double click (or Enter) moves into it.
#include <QComboBox>
#include <QListWidget>

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);
    // Lists the mounted volumes again.
    void refresh();
    // Selects the volume that holds `path` (adding it when the list lacks it).
    void selectVolumeOf(const QString& path);
    QString currentRoot() const;
};

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);
    const QString& path() const { return path_; }
    // Moves the list to `folder`; false (and nothing changes) when it cannot
    // be entered.
    bool setPath(const QString& folder);
    // The highlighted folder, or the current one when none is highlighted.
    QString highlighted() const;
    // Highlights the row that shows `folder`, if there is one.
    void highlight(const QString& folder);

Q_SIGNALS:
    // The player asked to move into `folder`.
    void enterRequested(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString path_;
};
