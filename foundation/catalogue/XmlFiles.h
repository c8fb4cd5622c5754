#pragma once
// The table files, in the folder "XML" beside the program.
#include <string>

#include "foundation/core/Paths.h"

namespace PardeloStravon {

inline constexpr wchar_t XmlFolderName[] = L"XML";
inline constexpr wchar_t XmlExtension[] = L".xml";

inline constexpr wchar_t TblLngFile[] = L"tblLng.xml";
inline constexpr wchar_t TblToTranslateFile[] = L"tblToTranslate.xml";
inline constexpr wchar_t ChkTrToPrefix[] = L"chkTrTo_";  // + language identifier + ".xml"
inline constexpr wchar_t ChkGroupFile[] = L"chkGroup.xml";
inline constexpr wchar_t ChkGroupSubFile[] = L"chkGroupSub.xml";
inline constexpr wchar_t ChkRemFile[] = L"chkRem.xml";
inline constexpr wchar_t ChkParamFile[] = L"chkParam.xml";
inline constexpr wchar_t ChkInstrFile[] = L"chkInstr.xml";
inline constexpr wchar_t ChkInstrParFile[] = L"chkInstrPar.xml";
inline constexpr wchar_t ChkAlarmFile[] = L"chkAlarm.xml";
inline constexpr wchar_t ChkInstrAlFile[] = L"chkInstrAl.xml";

// The full path of a table file; folder is the program's folder.
inline std::wstring XmlFilePath(const std::wstring& folder, const std::wstring& fileName) {
  return JoinPath(JoinPath(folder, XmlFolderName), fileName);
}

// The name of one language's translation file.
inline std::wstring TranslationFileName(const std::wstring& languageId) {
  return ChkTrToPrefix + languageId + XmlExtension;
}

}  // namespace PardeloStravon
