#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;

// The About box: program name, version, a credit and a link to the player's guide. Modeless and
// one at a time: asking for it while it is open does nothing.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    // The page the link opens: the installed help.
    static QUrl Website();

    explicit frmAbout(QWidget* parent = nullptr);

    void SetOpener(std::function<void(const QUrl&)> open) { open_ = std::move(open); }
    // Shows the box unless it is already open.
    void Open();

    QLabel* lblWebsite = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::function<void(const QUrl&)> open_;
};
