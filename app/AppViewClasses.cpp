#include "app/AppViewClasses.h"

#include "views/form/PrgView.h"
#include "views/graph/GphView.h"
#include "views/tables/OptView.h"
#include "views/tables/SerView.h"
#include "views/tables/StsView.h"

namespace PardeloStravon {

TheAppIMFC::ViewClasses ApplicationViewClasses() {
  return {wxCLASSINFO(OptView), wxCLASSINFO(StsView), wxCLASSINFO(SerView), wxCLASSINFO(GphView),
          wxCLASSINFO(PrgView)};
}

}  // namespace PardeloStravon
