#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui { class CSplashScreen; }

// The picture shown at start-up (bitmap 1028 of mm_res), topmost and centred on the desktop,
// for 3025 ms; then it closes, deletes itself and calls `done` (the main window posts itself
// "splash done"). Without the picture the wait is the same and nothing shows.
class CSplashScreen : public QWidget {
public:
    static constexpr int pictureID = 1028;
    static constexpr int durationMilliseconds = 3025;

    explicit CSplashScreen(std::function<void()> done);
    ~CSplashScreen() override;

private:
    std::unique_ptr<Ui::CSplashScreen> ui;
    QTimer timer;
    std::function<void()> done;
};
