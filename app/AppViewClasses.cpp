#include "app/AppViewClasses.h"

#include "views/form/PrgView.h"
#include "views/graph/GphView.h"
#include "views/placeholder/PlaceholderViews.h"

namespace PardeloStravon {

TheAppIMFC::ViewClasses ApplicationViewClasses() {
  return {wxCLASSINFO(OptionsPlaceholder), wxCLASSINFO(StatusPlaceholder), wxCLASSINFO(SerialPlaceholder),
          wxCLASSINFO(GphView), wxCLASSINFO(PrgView)};
}

}  // namespace PardeloStravon
