#pragma once

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>

class QPushButton;

// The fonts, colours and small layout pieces the Preferences window is built from.
namespace PreferencesStyles {

QFont labelFont();   // 13, regular: row labels
QFont captionFont(); // 11, regular: status texts, links
QFont monoFont();    // 12, monospaced: credential fields
QFont sectionFont(); // 11, semibold: section titles, provider names

QColor secondaryLabelColor(const QPalette &palette);
QColor okColor(const QPalette &palette);
QColor errorColor(const QPalette &palette);

// A section title in upper case, 16 above and 2 below.
QWidget *sectionHeader(const QString &title, QWidget *parent = nullptr);
// A flat button in caption type that reads as a link.
QPushButton *linkButton(const QString &text, QWidget *parent);
// The label at the leading edge and the control pushed to the trailing edge.
QWidget *row(const QString &label, QWidget *content, QWidget *parent = nullptr);

}

// The rounded, lightly filled container that groups a section's controls.
class GroupBox final : public QFrame
{
    Q_OBJECT
public:
    explicit GroupBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A label whose colour is resolved from the palette each time it is painted.
class SecondaryLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A thin horizontal rule between rows of a group.
class Divider final : public QWidget
{
    Q_OBJECT
public:
    explicit Divider(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
