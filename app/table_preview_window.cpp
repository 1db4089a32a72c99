#include "app/table_preview_window.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>

std::unique_ptr<QWidget> makeTablePreviewWindow(const QImage& table)
{
    auto area = std::make_unique<QScrollArea>();
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(table));
    area->setWidget(label);
    area->setWindowTitle("Cuadrivista");
    area->resize(1160, 960);
    return area;
}
