#include "records/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    refresh();
}

void DriveList::refresh() {
    clear();
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady()) continue;
        QString name = v.displayName();
        QString text = name == v.rootPath() ? v.rootPath() : QStringLiteral("%1 [%2]").arg(v.rootPath(), name);
        addItem(text, v.rootPath());
    }
}

void DriveList::selectVolumeOf(const QString& path) {
    const QString root = QStorageInfo(path).rootPath();
    if (root.isEmpty()) return;
    int i = findData(root);
    if (i < 0) {
        addItem(root, root);
        i = count() - 1;
    }
    setCurrentIndex(i);
}

QString DriveList::currentRoot() const {
    return currentData().toString();
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT enterRequested(item->data(Qt::UserRole).toString()); });
}

bool FolderList::setPath(const QString& folder) {
    QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isExecutable() || !info.isReadable()) return false;
    QDir dir(info.absoluteFilePath());
    const QString canonical = dir.canonicalPath();
    if (canonical.isEmpty()) return false;
    path_ = canonical;
    clear();
    // The ancestors from the root down, each one step further in, then the
    // folder itself and its subfolders one step further still.
    QStringList chain;
    for (QDir d(canonical);;) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    int depth = 0;
    for (const QString& p : chain) {
        QString name = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + name, this);
        item->setData(Qt::UserRole, p);
        if (p == canonical) {
            // The folder the list stands in, as an open folder stands out.
            QFont bold = font();
            bold.setBold(true);
            item->setFont(bold);
        }
        ++depth;
    }
    const QStringList subs =
        QDir(canonical).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& s : subs) {
        auto* item = new QListWidgetItem(QString(depth * 2, u' ') + s, this);
        item->setData(Qt::UserRole, QDir(canonical).filePath(s));
    }
    setCurrentRow(-1);
    return true;
}

QString FolderList::highlighted() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : path_;
}

void FolderList::highlight(const QString& folder) {
    for (int i = 0; i < count(); ++i)
        if (item(i)->data(Qt::UserRole).toString() == folder) {
            setCurrentRow(i);
            return;
        }
}

void FolderList::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && currentItem()) {
        Q_EMIT enterRequested(currentItem()->data(Qt::UserRole).toString());
        return;
    }
    QListWidget::keyPressEvent(e);
}
