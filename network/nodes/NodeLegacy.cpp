#include "network/nodes/NodeLegacy.h"

#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/WrapperLegacy.h"

namespace PardeloStravon {

namespace {

// Whether the parameter has an entry in a status list of that form. The forms
// of versions 18 and 25 leave the pad parameters out.
bool Listed(const InstrParPure& par, bool skipPads) {
  return par.ParIsRead() && !(skipPads && par.ParIsPad());
}

bool SkipsPads(int version) { return version == 18 || version == 25; }

std::int32_t ListedCount(const InstrPars& pars, bool skipPads) {
  std::int32_t n = 0;
  for (const InstrParPure* par : pars) n += Listed(*par, skipPads);
  return n;
}

// A pad's entry is the type's own label and choice: version 25, which a load
// takes, does not hold the pads, so anything else would not read back as it
// was written.
void WriteStatusList(LegacyArchive& ar, const InstrPars& pars,
                     const std::vector<InstrParOptSt>& st, bool skipPads) {
  ar << ListedCount(pars, skipPads);
  for (std::size_t i = 0; i < pars.size(); ++i) {
    const InstrParPure& par = *pars[i];
    if (!Listed(par, skipPads)) continue;
    if (par.ParIsPad())
      ar << par.ParSt() << par.ParIsDSt();
    else
      ar << st.at(i).stTextOpt_ << st.at(i).stDefOpt_;
  }
}

void ReadStatusList(LegacyArchive& ar, const Node& node, const InstrPars& pars,
                    std::vector<InstrParOptSt>& st, bool skipPads,
                    const LegacyMessageBox& messageBox) {
  std::int32_t count = 0;
  ar >> count;
  const std::int32_t expected = ListedCount(pars, skipPads);
  // The entries follow the type's parameter list, so a count that differs
  // means the file was written for another parameter list.
  if (count != expected) {
    messageBox(InvalidQziFormatText);
    throw LegacyFormatError("In QZ::SerializeNodeLegacy: the status list holds " +
                            std::to_string(count) + " entries, instrument type " +
                            ToUtf8(node.Type().Code()) + " has " + std::to_string(expected));
  }
  for (std::size_t i = 0; i < pars.size(); ++i) {
    if (Listed(*pars[i], skipPads)) ar >> st.at(i).stTextOpt_ >> st.at(i).stDefOpt_;
  }
}

void WriteOptionBlock(LegacyArchive& ar, const NodeOpt& o, const NodeSt& s) {
  ar << o.nm_ << o.act_ << o.xr_ << o.xs_ << s.xn_ << o.gr_ << o.gs_ << s.gn_ << o.vr_ << o.vs_
     << s.vn_ << o.pr_ << o.ps_ << s.pn_ << o.lostLinkDelay_ << o.actOnLinkAlarm_;
}

void ReadOptionBlock(LegacyArchive& ar, NodeOpt& o, NodeSt& s) {
  ar >> o.nm_ >> o.act_ >> o.xr_ >> o.xs_ >> s.xn_ >> o.gr_ >> o.gs_ >> s.gn_ >> o.vr_ >> o.vs_ >>
      s.vn_ >> o.pr_ >> o.ps_ >> s.pn_ >> o.lostLinkDelay_ >> o.actOnLinkAlarm_;
}

void StoreNodeLegacy(Node& node, LegacyArchive& ar, int version,
                     const LegacyMessageBox& messageBox) {
  if (version != 22 && version != 23 && version != 24 && version != 25) {
    messageBox(InvalidQziFormatText);
    return;
  }
  if (version == 23 || version == 24) return;
  const InstrPars pars = node.Type().Pars();
  WriteStatusList(ar, pars, node.OptSt(), SkipsPads(version));
  WriteOptionBlock(ar, node.Opt(), node.State());
}

void LoadNodeLegacy(Node& node, LegacyArchive& ar, int version, bool apply,
                    const LegacyMessageBox& messageBox) {
  if (version > LegacyDocVersion) version = LegacyDocVersion;
  if (version < OldestLegacyDocVersion) {
    messageBox(InvalidQziFormatText);
    return;
  }
  if (version == 23 || version == 24) return;
  const InstrPars pars = node.Type().Pars();
  NodeOpt opt(node.Opt());
  NodeSt st(node.State());
  std::vector<InstrParOptSt> status(node.OptSt());
  if (version >= 18) ReadStatusList(ar, node, pars, status, SkipsPads(version), messageBox);
  ReadOptionBlock(ar, opt, st);
  if (!apply) return;

  RaiseShortPeriods(opt);
  node.SetOpt(opt);
  node.UpdateState([&st](NodeSt& s) {
    s.xn_ = st.xn_;
    s.gn_ = st.gn_;
    s.vn_ = st.vn_;
    s.pn_ = st.pn_;
  });
  node.SetOptSt(status);
  // The plot took its labels and choices from the status view then.
  std::vector<InstrParOptPlt> plot(node.OptPlt());
  for (std::size_t i = 0; i < plot.size() && i < status.size(); ++i) {
    plot[i].pltTextOpt_ = status[i].stTextOpt_;
    plot[i].pltDefOpt_ = status[i].stDefOpt_;
  }
  node.SetOptPlt(plot);
}

}  // namespace

void SerializeNodeLegacy(Node& node, LegacyArchive& ar, int version, bool apply,
                         const LegacyMessageBox& messageBox) {
  if (ar.IsStoring())
    StoreNodeLegacy(node, ar, version, messageBox);
  else
    LoadNodeLegacy(node, ar, version, apply, messageBox);
}

}  // namespace PardeloStravon
