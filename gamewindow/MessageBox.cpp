#include "MessageBox.h"

#include <QMessageBox>

QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
    const QMessageBox::Icon shown = icon == MessageIcon::Warning       ? QMessageBox::Warning
                                    : icon == MessageIcon::Information ? QMessageBox::Information
                                                                       : QMessageBox::NoIcon;
    auto* box = new QMessageBox(shown, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

QString PlainToolTip(const QString& text) {
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}
