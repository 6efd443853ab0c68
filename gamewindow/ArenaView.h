#pragma once

#include "KeyBindings.h"
#include "Zoom.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <array>
#include <optional>
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
    static constexpr int ChatRows = 3; // the rows chat may take over the arena, wrapped
    // Where names of the given sizes go beside heads (all in widget pixels): outwards from
    // each head, else on its other side, above or below it, else moved up or down until it
    // meets no name placed before it; inside the view.
    static QList<QRect> PlaceTags(const QList<QSize>& sizes, const QList<QPoint>& heads, QSize view);
    // A QR code in the arena's lower right corner with a line over it, for a phone to scan
    // (a null image: none). Like the chat, never drawn into the arena.
    void SetJoinCode(const QImage& code, const QString& caption);
    // A short word to the player over the arena's lower part ("You crashed"); empty: none.
    void SetFlash(const QString& text);
    const QString& Flash() const { return flash_; }
    const QList<Said>& ShownSaid() const { return said_; }
    // Colours shown in place of the canvas's own, at paint time only (the colour-blind palette).
    struct Shade {
        std::array<QRgb, 9> shown{};  // player 1..8's shown colour
        std::array<QRgb, 9> chosen{}; // the colour each player chose, as the canvas holds it
        int players = 0;
        const Canvas* owners = nullptr; // who drew which pixel, where kept
        int only = 0;                   // a gauge: every pixel but the background is this player's
        bool operator==(const Shade&) const = default;
    };
    void SetShade(const std::optional<Shade>& shade);
    // Names shown beside the riders' heads, in their colours with a dark outline; like the
    // chat, never drawn into the arena.
    struct Tag {
        QString name;
        QColor colour;
        QPoint head; // in canvas pixels
        bool operator==(const Tag&) const = default;
    };
    void SetTags(const QList<Tag>& tags);
    const QList<Tag>& Tags() const { return tags_; }
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
    void PaintJoinCode(QPainter& painter);
    void PaintTags(QPainter& painter);
    // The colour shown for the canvas pixel at (x, y), whose colour is px.
    QRgb Shaded(QRgb px, int x, int y) const;
    // Takes the blocks of the shrunk picture that cover this part of the canvas afresh.
    QRect Refresh(const QRect& canvasRect);
    QRect ToWidget(const QRect& canvasRect) const;
    QRect ToCanvas(const QRect& widgetRect) const;

    const Canvas& canvas_;
    const Board* overlay_;
    zoom::Scale scale_;
    QImage fitted_; // the shrunk picture, below 1x
    QList<Said> said_;
    QImage joinCode_;
    QString joinCaption_;
    QString flash_;
    std::optional<Shade> shade_;
    QList<Tag> tags_;
};
