#pragma once
// The network's one lock for the records that the executor and the GUI
// thread both write: each node's state and the network options and state.
// It is held only while a record is copied in or out, never across serial
// I/O or a sleep. Recursive, so a record update may read another record.
#include <memory>
#include <mutex>

namespace PardeloStravon {

typedef std::recursive_mutex RecordMutex;
typedef std::shared_ptr<RecordMutex> SharedRecordLock;
typedef std::lock_guard<RecordMutex> RecordGuard;

inline SharedRecordLock NewRecordLock() { return std::make_shared<RecordMutex>(); }

}  // namespace PardeloStravon
