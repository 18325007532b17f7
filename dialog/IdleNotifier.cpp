#include "IdleNotifier.h"

#include <QCoreApplication>

IdleNotifier::IdleNotifier(std::function<void()> onIdle, QObject* parent)
    : QObject(parent), onIdle_(std::move(onIdle)) {
  timer_.setSingleShot(true);
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, [this] { onIdle_(); });
}

IdleNotifier::~IdleNotifier() { Stop(); }

void IdleNotifier::Start() {
  if (!watching_) QCoreApplication::instance()->installEventFilter(this);
  watching_ = true;
  timer_.start();
}

void IdleNotifier::Stop() {
  if (watching_) QCoreApplication::instance()->removeEventFilter(this);
  watching_ = false;
  timer_.stop();
}

bool IdleNotifier::eventFilter(QObject* watched, QEvent*) {
  // The timer's own event must not arm it again, or the loop would never rest.
  if (watched != &timer_ && !timer_.isActive()) timer_.start();
  return false;
}
