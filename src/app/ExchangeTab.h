#pragma once
#include "app/FormContext.h"

#include <QWidget>

#include <string>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace dravik {

// The Import/Export tab: the import folder's spreadsheet files and the record set to exchange.
class ExchangeTab : public QWidget {
    Q_OBJECT
public:
    explicit ExchangeTab(FormContext& form, QWidget* parent = nullptr);

    // Points the folder and file lists at the import folder and remembers it.
    void showImportFolder(const std::string& folder);
    // The active record sets, with their references in the hidden list.
    void fillRecordSets();
    const std::string& importFolder() const { return importFolder_; }

private:
    FormContext& form_;
    std::string importFolder_;
    QLineEdit* dirRug_ = nullptr;
    QListWidget* filRug_ = nullptr;
    QComboBox *cmbIRek_ = nullptr, *cmbIRekR_ = nullptr;
};

} // namespace dravik
