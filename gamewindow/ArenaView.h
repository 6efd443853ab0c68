#pragma once

#include "KeyBindings.h"
#include "Zoom.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>

class Board;
class Canvas;
class QPainter;

// Shows a canvas at a whole number of device pixels per canvas pixel, never smoothed, and
// hands key-down events on. Below 1x it shows one pixel per block of canvas pixels, taken so
// that no trail is lost: a block shows one of its pixels that is not the background.
class ArenaView : public QWidget {
    Q_OBJECT
public:
    // With a board, the view also shows the board's marker and banner over the canvas, and
    // leaves out the canvas's last two columns and rows: the walls end before them.
    ArenaView(const Canvas& canvas, QWidget* parent, bool takesKeys, const Board* overlay = nullptr);

    // The canvas pixels shown, before any scaling.
    QSize Shown() const;
    // Lines of chat shown over the arena's top, never drawn into it. Plain text.
    struct Said {
        QString name;
        QColor colour;
        QString text;
    };
    void SetSaid(const QList<Said>& lines);
    const QList<Said>& ShownSaid() const { return said_; }
    // The picture as shown at this scale's shrink (the canvas itself at 1x and above).
    const QImage& Picture() const;

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
    void PaintBanner(QPainter& painter, const QStringList& lines);
    void PaintSaid(QPainter& painter);
    // Takes the blocks of the shrunk picture that cover this part of the canvas afresh.
    QRect Refresh(const QRect& canvasRect);
    QRect ToWidget(const QRect& canvasRect) const;
    QRect ToCanvas(const QRect& widgetRect) const;

    const Canvas& canvas_;
    const Board* overlay_;
    zoom::Scale scale_;
    QImage fitted_; // the shrunk picture, below 1x
    QList<Said> said_;
};
