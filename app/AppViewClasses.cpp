#include "app/AppViewClasses.h"

#include "views/placeholder/PlaceholderViews.h"
#include "views/tables/OptView.h"
#include "views/tables/SerView.h"
#include "views/tables/StsView.h"

namespace PardeloStravon {

TheAppIMFC::ViewClasses ApplicationViewClasses() {
  return {wxCLASSINFO(OptView), wxCLASSINFO(StsView), wxCLASSINFO(SerView), wxCLASSINFO(GraphPlaceholder),
          wxCLASSINFO(ProgramPlaceholder)};
}

}  // namespace PardeloStravon
