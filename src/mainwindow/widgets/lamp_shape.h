#pragma once
// A small filled rectangle whose brush colour tells a state, like the link lamp.
#include <QColor>
#include <QWidget>

namespace lmv::mainwindow {

class TLampShape : public QWidget {
    Q_OBJECT
public:
    TLampShape(const QString& name, QSize size, QWidget* parent = nullptr);
    QColor BrushColor() const { return brush_; }
    void SetBrushColor(QColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_ = Qt::white;
};

}
