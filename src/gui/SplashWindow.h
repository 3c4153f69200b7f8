#pragma once

#include <QTimer>
#include <QWidget>

namespace corvane {

/// The splash window `frmSplash`: the picture with the product's name, platform and version.
/// It ends after two seconds, at any key, or at a click on its bare area (not on the picture
/// or a label), whichever comes first, and then emits `finished` once.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    static constexpr int kTimeoutMs = 2000;

signals:
    /// The splash has closed; the main window comes next.
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();

    QWidget* frame_ = nullptr;
    QTimer timer3_;
    bool ended_ = false;
};

}  // namespace corvane
