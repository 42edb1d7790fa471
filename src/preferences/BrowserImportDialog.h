#pragma once

#include "preferences/BrowserImport.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The small window "Import from Browser…" opens: the signed-in browser profiles of one provider
// and why there are none; a thin view over BrowserImport.
class BrowserImportDialog final : public QDialog
{
    Q_OBJECT
public:
    BrowserImportDialog(BrowserImport import, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLabel *message() const { return m_message; }
    QPushButton *importButton() const { return m_import; }

    // Not while an import runs: the keyring may be asking for its password meanwhile, and the
    // import still needs this dialog when it returns.
    void reject() override;

private:
    void importChosen();
    void sync();

    BrowserImport m_model;
    QListWidget *m_list = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_import = nullptr;
    bool m_importing = false;
};
