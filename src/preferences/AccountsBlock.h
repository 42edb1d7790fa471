#pragma once

#include "preferences/AccountRows.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// One provider's Accounts list in Preferences, with "Add Account…": a thin view over AccountRows.
class AccountsBlock final : public QWidget
{
    Q_OBJECT
public:
    AccountsBlock(AccountRows &rows, Provider provider, QWidget *parent = nullptr);

    // The widgets of one account's row, for the tests.
    struct RowWidgets
    {
        AccountId id;
        QCheckBox *shown = nullptr;
        QLineEdit *label = nullptr;
        QLabel *status = nullptr;
        QToolButton *test = nullptr;
        QToolButton *up = nullptr;
        QToolButton *down = nullptr;
        QToolButton *remove = nullptr; // absent for the provider's first account
    };
    const QList<RowWidgets> &rowWidgets() const { return m_rows; }
    QPushButton *addButton() const { return m_add; }

private:
    void sync();
    void rebuild(const QList<AccountRows::Row> &rows);
    RowWidgets makeRow(const AccountRows::Row &row);
    void offerChoices();
    void pasteKey();

    AccountRows &m_model;
    Provider m_provider;
    QVBoxLayout *m_list = nullptr;
    QPushButton *m_add = nullptr;
    QList<RowWidgets> m_rows;
    QList<AccountRows::Row> m_shown; // as last drawn
};
