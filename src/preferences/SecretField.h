#pragma once

class QAction;
class QLineEdit;

// A key signs in to a whole account: its field hides it unless asked, so that a shared screen or
// a screenshot never shows it.
namespace SecretField {

// Masks the field and gives it a trailing eye that shows the text while checked.
QAction *mask(QLineEdit *field);

}
