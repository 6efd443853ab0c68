#pragma once

#include <QWidget>

class Board;
class Canvas;

// Shows a canvas pixel for pixel (never smoothed, also on high-DPI screens) and hands
// key-down events on as classic virtual-key codes.
class ArenaView : public QWidget {
    Q_OBJECT
public:
    // With a board, the view also shows the board's marker over the canvas.
    ArenaView(const Canvas& canvas, QWidget* parent, bool takesKeys, const Board* overlay = nullptr);

    // Classic virtual-key code of a Qt key event, 0 for keys the game does not know.
    static int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

signals:
    void keyDown(int virtualKey);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    const Canvas& canvas_;
    const Board* overlay_;
};
