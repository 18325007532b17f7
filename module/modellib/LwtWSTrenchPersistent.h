#pragma once
// Roots of the trench topology classes: every trench object answers its
// class id; those with an element id in the model file also answer that id.
// `TrenchObject` elements become plain LwtWSTrenchPersistent objects of their
// class.

#include "WSTypes.h"

class WsModelStore;

class LwtWSTrenchBase {
 public:
  virtual ~LwtWSTrenchBase() = default;
  virtual WsClassId getClassId() const = 0;

 protected:
  LwtWSTrenchBase() = default;
  LwtWSTrenchBase(const LwtWSTrenchBase&) = default;
  LwtWSTrenchBase& operator=(const LwtWSTrenchBase&) = default;
};

class LwtWSTrenchPersistent : public LwtWSTrenchBase {
 public:
  WsClassId getClassId() const override { return classId_; }
  int getPersistentID() const { return persistentId_; }

 protected:
  friend class WsModelStore;
  LwtWSTrenchPersistent(WsClassId classId, int persistentId) : classId_(classId), persistentId_(persistentId) {}

 private:
  WsClassId classId_;
  int persistentId_;
};
