#pragma once

#include "onboarding/OnboardingPages.h"

#include <QWidget>

// The four drawings of the welcome guide; each follows the current palette.

// The application icon over a soft purple glow.
class WelcomeIllustration final : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomeIllustration(QString iconPath = QStringLiteral(":/images/quotabar-icon.png"), QWidget *parent = nullptr);
    QSize sizeHint() const override { return {220, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_icon;
};

// A screen with a menu bar holding the status item, and a callout pointing at it.
class MenuBarIllustration final : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {340, 200}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A browser's developer tools with the provider's session cookie selected.
class DevToolsIllustration final : public QWidget
{
    Q_OBJECT
public:
    explicit DevToolsIllustration(DevToolsContent content, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {390, 210}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DevToolsContent m_content;
};

// A tidy screen with the status item, and a green check mark on its corner.
class AllSetIllustration final : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {340, 190}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
