#pragma once
// Calls back once each time the event loop has worked off what it had to
// do, as a modal loop's idle message does: any event arms a zero-interval
// single-shot timer, which fires when nothing else is waiting. It watches the
// application's events only between Start and Stop, so nothing of it stays
// attached to a shared application.

#include <QObject>
#include <QTimer>
#include <functional>

class IdleNotifier : public QObject {
 public:
  explicit IdleNotifier(std::function<void()> onIdle, QObject* parent = nullptr);
  ~IdleNotifier() override;

  void Start();
  void Stop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onIdle_;
  QTimer timer_;
  bool watching_ = false;
};
