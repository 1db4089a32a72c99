#pragma once

#include <QImage>

#include <memory>

class QWidget;

// A plain window showing a painted table: what the editor opens until its main window, menus
// and canvas take over.
std::unique_ptr<QWidget> makeTablePreviewWindow(const QImage& table);
