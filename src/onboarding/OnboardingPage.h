#pragma once

#include "onboarding/OnboardingPages.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// One page of the guide: illustration, divider, title, text and the optional button.
class OnboardingPage final : public QWidget
{
    Q_OBJECT
public:
    // The button shows only with both a label in `definition` and an `action`.
    OnboardingPage(const PageDefinition &definition, QWidget *illustration, std::function<void()> action,
                       QWidget *parent = nullptr);

    QLabel *titleLabel() const { return m_title; }
    QLabel *descriptionLabel() const { return m_description; }
    QLabel *noteLabel() const { return m_note; }
    QPushButton *actionButton() const { return m_button; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void recolour();

    QLabel *m_title = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_button = nullptr;
};
