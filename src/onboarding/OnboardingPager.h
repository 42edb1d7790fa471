#pragma once

#include <QObject>

#include <functional>

class DefaultsStore;

// The welcome guide's pager: which page shows, which way it moved, and the closing choice.
class OnboardingPager final : public QObject
{
    Q_OBJECT
public:
    enum class Page { welcome, whatItDoes, connectClaude, connectChatGPT, allSet };

    static constexpr qint64 totalPages = 5;

    // `closeWindow` hides the guide's window.
    OnboardingPager(DefaultsStore &defaults, std::function<void()> closeWindow, QObject *parent = nullptr);

    qint64 page() const { return m_page; }
    qint64 direction() const { return m_direction; }
    bool dontShowAgain() const { return m_dontShowAgain; }
    void setDontShowAgain(bool value);

    bool showsPrevious() const { return m_page >= 1; }
    // The right-hand button: "Next" before the last page, "Done" on it.
    bool showsDone() const { return m_page >= totalPages - 1; }

    // Moves by `step` pages, stopping at either end; the direction is set first.
    void navigate(qint64 step);
    // Records completion when the box is ticked (never clears it), then closes the window.
    void done();

    // The page a value selects: 0 to 3 their own, anything else the last.
    static Page pageFor(qint64 value);

signals:
    void changed();

private:
    DefaultsStore &m_defaults;
    std::function<void()> m_closeWindow;
    qint64 m_page = 0;
    qint64 m_direction = 1;
    bool m_dontShowAgain = true;
};
