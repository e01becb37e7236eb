// The layer's own document dialogs: Qt's file dialogs (its own widgets, the
// same on every desktop), the save-changes question and the file-error
// alert, each window-modal on the window it is asked for.
#pragma once

#include <functional>
#include <string>

#include <QSortFilterProxyModel>
#include <QString>

namespace quendal::platform::qt {

// The list of the open dialog: the items the program's filter admits.
class FileListFilter : public QSortFilterProxyModel {
public:
    explicit FileListFilter(std::function<bool(const std::string& path, bool isFolder)> admits, QObject* parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::function<bool(const std::string&, bool)> admits_;
};

// The file a save goes to: `file` as chosen, with "." + suffix appended
// unless it ends so already, in any letter case ("Sub.QNDL" stays).
QString withSuffix(const QString& file, const QString& suffix);

}  // namespace quendal::platform::qt
