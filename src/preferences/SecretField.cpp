#include "SecretField.h"

#include "onboarding/Symbols.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>

namespace {

// A drawn symbol in the palette's text colour, crisp at the screen's scale.
QIcon symbolIcon(Symbols::Symbol symbol, const QPalette &palette)
{
    const qreal scale = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(16, 16) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Symbols::draw(painter, symbol, QPointF(8, 8), 16, palette.color(QPalette::Text));
    return QIcon(pixmap);
}

} // namespace

namespace SecretField {

QAction *mask(QLineEdit *field)
{
    field->setEchoMode(QLineEdit::Password);
    QAction *reveal = field->addAction(symbolIcon(Symbols::Symbol::eye, field->palette()), QLineEdit::TrailingPosition);
    reveal->setCheckable(true);
    reveal->setToolTip(QCoreApplication::translate("SecretField", "Show the key"));
    QObject::connect(reveal, &QAction::toggled, field, [field, reveal](bool shown) {
        field->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
        reveal->setIcon(symbolIcon(shown ? Symbols::Symbol::eyeSlashed : Symbols::Symbol::eye, field->palette()));
        reveal->setToolTip(shown ? QCoreApplication::translate("SecretField", "Hide the key")
                                 : QCoreApplication::translate("SecretField", "Show the key"));
    });
    return reveal;
}

}
