#pragma once
// A timer of a window: Mode 0 off, 1 fires once, 2 fires every Period ms while Enabled.
#include <QObject>
#include <QTimer>

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* owner, int period = 1000, int mode = 2);

    int Mode() const { return mode; }
    void setMode(int value);
    int Period() const { return timer.interval(); }
    void setPeriod(int ms) { timer.setInterval(ms); }
    bool Enabled() const { return enabled; }
    void setEnabled(bool value);
    // Starts the period again from now.
    void Reset();
    bool isRunning() const { return timer.isActive(); }

signals:
    void Action();

private:
    void apply();
    void fire();
    QTimer timer;
    int mode;
    bool enabled = true;
};
