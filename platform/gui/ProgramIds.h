#pragma once
// The program's own command identifiers, with the values its resources use,
// beside the framework's (ResourceIds.h).
namespace Platform {

constexpr int ID_RUN_GUI_TASKS = 136;

constexpr int ID_EDIT_EDIT = 32771;
constexpr int ID_EDIT_ADD = 32772;
constexpr int ID_EDIT_REMOVE = 32773;
constexpr int ID_EDIT_GLOBAL = 32774;
constexpr int ID_EDIT_RX = 32775;
constexpr int ID_EDIT_TROUBLESHOOT_S_COMM = 32776;
constexpr int ID_EDIT_PROGRAM = 32777;
constexpr int ID_VIEW_OPTIONS = 32800;
constexpr int ID_VIEW_STATUS = 32801;
constexpr int ID_VIEW_GRAPHIC = 32802;
constexpr int ID_VIEW_RX_STATUS = 32803;
constexpr int ID_VIEW_CLOSE_STATUS = 32804;
constexpr int ID_EDIT_FONT_OPTION = 32805;
constexpr int ID_EDIT_FONTFORSTATUS = 32806;
constexpr int ID_EDIT_FONTFORGRAPH = 32807;
constexpr int ID_EDIT_LOGIN = 32808;
constexpr int ID_EDIT_CHANGE_PASS = 32809;
constexpr int ID_INDICATOR_RX = 32810;
constexpr int ID_INDICATOR_LOG = 32811;
constexpr int ID_Graph_Line_Thickness = 32812;
constexpr int ID_EDIT_DATEFORMAT = 32813;
constexpr int ID_EDIT_GRAPHICDATEANGLE = 32814;
constexpr int ID_EDIT_DATE_RIGHT_ALIGN = 32815;
constexpr int ID_GRAPHIC_NUMBER_FORMAT = 32816;
constexpr int ID_EDIT_GRAPHIC_SPACING = 32817;
constexpr int ID_GRAPHIC_ZOOM_IN = 32818;
constexpr int ID_GRAPHIC_ZOOM_OUT = 32819;
constexpr int ID_GRAPHIC_ZOOM_RESET = 32820;
constexpr int ID_EDIT_LANGUAGE = 32821;
constexpr int ID_EDIT_FONTFORPROGRAM = 32851;
constexpr int ID_EDIT_CHANGE_PASS_SUP = 32852;
constexpr int ID_EDIT_LOGIN_SUP = 32853;
constexpr int ID_EDIT_ROWSPERCOLUMN = 32854;
constexpr int ID_EDIT_TIME_INTERVALS_AS_DHMS = 32855;
constexpr int ID_INSTRUMENT_USER_MANUALS = 32856;
constexpr int ID_EDIT_MODIFY_THE_ALARM_PROGR = 32857;
constexpr int ID_EDIT_TEST_THE_ALARM_PROGR = 32858;
constexpr int ID_PROGRAM_HELP = 32859;

}  // namespace Platform
