#include "controls.h"

#include <QLabel>

namespace toolkit {

QString text(std::string_view singleByte)
{
    return QString::fromLatin1(singleByte.data(), qsizetype(singleByte.size()));
}

QLabel* createLabel(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void fillBackground(QWidget* container, const QColor& colour)
{
    QPalette palette = container->palette();
    palette.setColor(QPalette::Window, colour);
    container->setPalette(palette);
    container->setAutoFillBackground(true);
}

} // namespace toolkit
