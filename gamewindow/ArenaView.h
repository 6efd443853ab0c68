#pragma once

#include "KeyBindings.h"
#include "Zoom.h"

#include <QWidget>

class Board;
class Canvas;

// Shows a canvas at a whole number of device pixels per canvas pixel, never smoothed, and
// hands key-down events on.
class ArenaView : public QWidget {
    Q_OBJECT
public:
    // With a board, the view also shows the board's marker over the canvas.
    ArenaView(const Canvas& canvas, QWidget* parent, bool takesKeys, const Board* overlay = nullptr);

    // Sizes the view for the canvas at this scale.
    void SetScale(const zoom::Scale& s);
    const zoom::Scale& GetScale() const { return scale_; }
    void Fit();
    // Repaints the widget pixels that show this part of the canvas.
    void UpdateCanvas(const QRect& canvasRect);
    void UpdateCanvas(const QRegion& canvasRegion);

signals:
    void keyPressed(const keys::Key& key);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QRect ToWidget(const QRect& canvasRect) const;
    QRect ToCanvas(const QRect& widgetRect) const;

    const Canvas& canvas_;
    const Board* overlay_;
    zoom::Scale scale_;
};
