#include "document/Access.h"

#include "document/QziDocIStd.h"

namespace PardeloStravon {

bool CheckUserAccess(QziDocIStd& doc) {
  if (doc.IsUserLogged() || doc.IsSupLogged()) return true;
  return doc.CheckPass();
}

bool HasSupervisorAccess(const QziDocIStd& doc) {
  return doc.IsSupLogged() || doc.GetPassSup().empty();
}

}  // namespace PardeloStravon
