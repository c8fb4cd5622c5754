#pragma once
// What the document's commands ask of the dialogs, behind one interface so
// that the program plugs in the dialogs' runners and tests answer as they
// please. Until runners are installed every dialog answers as cancelled.
#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "platform/LogFont.h"

namespace PardeloStravon {

class DocServices;
class InstrNet;
class InstrNetOpt;

class CommandDialogs {
 public:
  virtual ~CommandDialogs() = default;

  // The chosen address, 0 when cancelled; mode 2 the present instruments,
  // mode 1 the free addresses.
  virtual int PickInstrument(DocServices& doc, int mode);
  // The chosen type code, empty when cancelled.
  virtual std::wstring PickInstrType(const std::vector<std::wstring>& codes);
  virtual bool PickFromTo(std::time_t* from, std::time_t* to, bool* follow);
  virtual bool EditGlobalOptions(InstrNetOpt& netOpt);
  virtual bool EditNode(InstrNet& net, int address, bool supervisor, bool dhms);
  // The one-value input dialogs: true on OK with the value in *out.
  virtual bool InputInt(int value, int def, int* out, const std::wstring& text);
  virtual bool InputFloat(float value, float def, float* out, const std::wstring& text);
  virtual bool InputText(const std::wstring& value, const std::wstring& def, std::wstring* out,
                         const std::wstring& text);
  // The new password, or the stored one when the dialog did not confirm one.
  virtual std::wstring ChangePassword(const std::wstring& stored);
  // True only for a confirmed language other than *index, stored there.
  virtual bool SelectLanguage(int* index);
  virtual bool ChooseFont(LOGFONTW* font, unsigned long* colour);
};

CommandDialogs& Dialogs();
// Installs the dialogs (null: the cancelling stand-in); returns the one
// replaced. They must outlive their installation.
CommandDialogs* InstallCommandDialogs(CommandDialogs* dialogs);

}  // namespace PardeloStravon
