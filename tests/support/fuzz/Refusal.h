#pragma once
// What a loader may throw to refuse its input: the standard exceptions and
// the catalogue's own error kinds (an unknown instrument type, parameter,
// alarm or dictionary key). Anything else escapes to the fuzzer.
#include <exception>

#include "foundation/catalogue/AlarmTable.h"
#include "foundation/catalogue/CatalogueErrors.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"

namespace FuzzInput {

// True when the load ran to its end, false when it refused the input.
template <class Load>
bool Accepted(Load load)
{
  try {
    load();
    return true;
  } catch (const std::exception&) {
  } catch (const PardeloStravon::XMLError&) {
  } catch (const PardeloStravon::InstrError&) {
  } catch (const PardeloStravon::AlError&) {
  } catch (const PardeloStravon::DictError&) {
  }
  return false;
}

}  // namespace FuzzInput
