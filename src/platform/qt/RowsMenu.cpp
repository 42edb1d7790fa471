#include "RowsMenu.h"

#include "platform/qt/SemanticColors.h"

#include <QApplication>
#include <QPixmap>

namespace {

// A palette of the given shade for a menu, keeping the application's accent.
QPalette shaded(bool dark, const QPalette &application)
{
    // The colours of Adwaita's menus, light and dark.
    const QColor window = dark ? QColor(0x30, 0x30, 0x30) : QColor(0xFF, 0xFF, 0xFF);
    const QColor text = dark ? QColor(0xF6, 0xF5, 0xF4) : QColor(0x24, 0x1F, 0x31);
    QPalette palette = application;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::Base, window);
        palette.setColor(group, QPalette::Button, window);
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, text);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, window);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    const QColor faded = SemanticColors::withOpacity(text, 0.55);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, faded);
    return palette;
}

} // namespace

RowsMenu::RowsMenu(std::function<QColor()> panelInk, QWidget *parent)
    : QMenu(parent)
    , m_panelInk(std::move(panelInk))
{
    connect(this, &QMenu::aboutToShow, this, [this] {
        followPanelShade();
        if (m_handlers.aboutToShow)
            m_handlers.aboutToShow(); // may bring new rows through updateRows
        sync();
    });
}

void RowsMenu::setRows(const QList<StatusMenuRow> &rows, const StatusMenuHandlers &handlers)
{
    m_rows = rows;
    m_handlers = handlers;
    clear();
    for (const StatusMenuRow &row : std::as_const(m_rows)) {
        QAction *action = row.separator ? addSeparator() : addAction(row.title);
        const int id = row.id;
        if (!row.separator) {
            connect(action, &QAction::triggered, this, [this, id] {
                const auto current = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                                  [id](const StatusMenuRow &r) { return r.id == id; });
                if (m_handlers.activate && current != m_rows.cend() && current->enabled)
                    m_handlers.activate(id);
            });
        }
    }
    sync();
}

void RowsMenu::updateRows(const QList<StatusMenuRow> &rows)
{
    m_rows = rows;
    sync();
}

void RowsMenu::sync()
{
    const QList<QAction *> actions = this->actions();
    const QColor color = SemanticColors::label(palette()); // the logos in the menu's own text colour
    for (qsizetype i = 0; i < m_rows.size() && i < actions.size(); ++i) {
        const StatusMenuRow &row = m_rows[i];
        QAction *action = actions[i];
        action->setVisible(row.visible);
        if (row.separator)
            continue;
        action->setText(row.title);
        action->setEnabled(true); // a disabled row only informs: drawn at full contrast, a click does nothing
        action->setShortcut(QKeySequence(row.shortcut));
        if (!row.icon.isEmpty()) {
            action->setIcon(QIcon(QPixmap::fromImage(
                ProviderArtwork::tinted(ProviderArtwork::providerPNG(m_logos, row.icon, 16, color), color))));
        }
        QFont font = this->font();
        if (row.style != StatusMenuRow::Style::plain)
            font.setPointSizeF(font.pointSizeF() * 0.9);
        action->setFont(font);
    }
}

void RowsMenu::followPanelShade()
{
    const QPalette application = QApplication::palette();
    if (!m_panelInk) {
        setPalette(application);
        return;
    }
    const bool darkPanel = m_panelInk().lightness() >= 128; // light text: a dark panel
    setPalette(darkPanel == SemanticColors::isDark(application) ? application : shaded(darkPanel, application));
}
