#include "views/graph/GphData.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <exception>
#include <fstream>
#include <string_view>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/Paths.h"
#include "network/nodes/Node.h"
#include "network/schedule/RecordingFiles.h"
#include "platform/LargePages.h"

namespace PardeloStravon {

namespace {

// What a character is to a record: a hex digit's value, white space as
// formatted input skips it in the "C" locale (the CR of each line end on disk
// among it), or anything else.
constexpr unsigned char Space = 16;
constexpr unsigned char Other = 255;

struct CharKinds {
  unsigned char kind[256];
  constexpr CharKinds() : kind() {
    for (int c = 0; c < 256; ++c) kind[c] = Other;
    for (int c = '0'; c <= '9'; ++c) kind[c] = static_cast<unsigned char>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) kind[c] = static_cast<unsigned char>(c - 'A' + 10);
    for (char c : {' ', '\t', '\n', '\v', '\f', '\r'}) kind[static_cast<unsigned char>(c)] = Space;
  }
  unsigned char operator()(char c) const { return kind[static_cast<unsigned char>(c)]; }
};
constexpr CharKinds KindOf;

void SkipSpace(const char*& p, const char* end) {
  while (p != end && KindOf(*p) == Space) ++p;
}

// A long as formatted input reads it: white space, an optional sign, at
// least one decimal digit; a number beyond the type fails.
bool ReadLong(const char*& p, const char* end, long& out) {
  SkipSpace(p, end);
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  const unsigned long limit =
      negative ? static_cast<unsigned long>(LONG_MAX) + 1 : static_cast<unsigned long>(LONG_MAX);
  unsigned long value = 0;
  bool digits = false;
  bool overflow = false;
  for (; p != end && *p >= '0' && *p <= '9'; ++p) {
    digits = true;
    const unsigned d = static_cast<unsigned>(*p - '0');
    if (value > (limit - d) / 10)
      overflow = true;
    else
      value = value * 10 + d;
  }
  if (!digits || overflow) return false;
  out = negative ? static_cast<long>(0 - value) : static_cast<long>(value);
  return true;
}

constexpr std::string_view NoLink = "*** no link ***";
// The time stamp's blank, time, blank, date and blank after the seconds.
constexpr std::ptrdiff_t StampTail = 19;

// Lines of a stream read in large blocks and handed out in place, without
// their '\n', as getline would give them.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : in_(in), buffer_(1 << 18) {}

  bool Next(std::string_view& line) {
    for (;;) {
      const char* data = buffer_.data();
      if (const void* nl = std::memchr(data + begin_, '\n', end_ - begin_)) {
        const std::size_t at = static_cast<const char*>(nl) - data;
        line = std::string_view(data + begin_, at - begin_);
        begin_ = at + 1;
        return true;
      }
      if (atEnd_) {
        if (begin_ == end_) return false;
        line = std::string_view(data + begin_, end_ - begin_);
        begin_ = end_;
        return true;
      }
      Fill();
    }
  }

 private:
  void Fill() {
    if (begin_ > 0) {
      std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
      end_ -= begin_;
      begin_ = 0;
    }
    // A line longer than the buffer makes it grow.
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    in_.read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
    const std::size_t got = static_cast<std::size_t>(in_.gcount());
    end_ += got;
    if (got == 0 || !in_) atEnd_ = true;
  }

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
};

// Room for n records, backed by large pages where it spans them: they fault
// in hundreds of times less often, and on a virtual machine each fault of a
// small page costs tens of microseconds. Such room starts a large page of its
// own, so that large pages cover it from its first record.
template <typename T>
void ReserveRoom(std::vector<T>& v, std::size_t n) {
  if (n >= Platform::LargePageBytes / sizeof(T))
    n = std::max(n, Platform::LargePageRequest(n * sizeof(T)) / sizeof(T));
  v.reserve(n);
  Platform::AdviseLargePages(v.data(), v.capacity() * sizeof(T));
}

// The unfilled rest of the last large page the records touched, given back.
template <typename T>
void ReleaseUnfilled(std::vector<T>& v) {
  if (v.capacity() * sizeof(T) < Platform::LargePageBytes) return;
  const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(v.data() + v.size());
  const std::size_t toLargePage = (Platform::LargePageBytes - end % Platform::LargePageBytes) %
                                  Platform::LargePageBytes;
  Platform::ReleasePages(v.data() + v.size(),
                         std::min(toLargePage, (v.capacity() - v.size()) * sizeof(T)));
}

// Room for every record the window and the rest of the stream can hold, so
// that a year's series are not copied as they grow. Untouched room costs no
// memory. It is sized for no more records than the window's seconds or the
// stream's lines, so a day's window spans no large page.
void Reserve(GphData& data, std::istream& in, unsigned frameSize, std::time_t from,
             std::time_t to) {
  const std::streamsize available = in.rdbuf() ? in.rdbuf()->in_avail() : 0;
  if (available <= 0 || to < from) return;
  // The shortest readings line: one digit, the stamp, ':', one character and
  // the frame.
  const std::size_t shortest = 1 + StampTail + 2 + 2 * std::size_t{frameSize};
  const std::size_t byLines = static_cast<std::size_t>(available) / shortest + 1;
  const unsigned long long bySeconds = static_cast<unsigned long long>(to) - from + 1;
  const std::size_t n = bySeconds < byLines ? static_cast<std::size_t>(bySeconds) : byLines;
  try {
    ReserveRoom(data.times_, n);
    for (std::vector<double>& s : data.series_) ReserveRoom(s, n);
  } catch (const std::exception&) {
    // Room the system will not give up front (a vast file, a vast window):
    // the series grow as they are read instead.
  }
}

}  // namespace

int HexDigit(char c) {
  const unsigned char kind = KindOf(c);
  return kind < Space ? kind : -1;
}

std::istream& ReadHexByte(std::istream& in, unsigned char& out) {
  char high = 0;
  char low = 0;
  if (!(in >> high >> low)) return in;
  const int h = HexDigit(high);
  const int l = HexDigit(low);
  if (h < 0 || l < 0) {
    in.setstate(std::ios::failbit);
    return in;
  }
  out = static_cast<unsigned char>(16 * h + l);
  return in;
}

std::istream& ReadHexRow(VUC& frame, std::istream& in) {
  for (unsigned char& byte : frame) {
    unsigned char b = 0;
    if (!ReadHexByte(in, b)) break;
    byte = b;
  }
  return in;
}

bool ReadHexByte(const char*& p, const char* end, unsigned char& out) {
  unsigned char digits[2];
  for (unsigned char& d : digits) {
    while (p != end && KindOf(*p) == Space) ++p;
    if (p == end) return false;
    d = KindOf(*p++);
    if (d >= Space) return false;
  }
  out = static_cast<unsigned char>(16 * digits[0] + digits[1]);
  return true;
}

bool ReadHexRow(VUC& frame, const char*& p, const char* end) {
  unsigned char* byte = frame.data();
  unsigned char* const last = byte + frame.size();
  // The files' own form, the whole frame's digits together: read without a
  // branch per digit, and again below by the full rules if any was no digit.
  if (end - p >= 2 * static_cast<std::ptrdiff_t>(frame.size())) {
    unsigned kinds = 0;
    for (std::size_t k = 0; k < frame.size(); ++k) {
      const unsigned char high = KindOf(p[2 * k]);
      const unsigned char low = KindOf(p[2 * k + 1]);
      kinds |= high | low;
      byte[k] = static_cast<unsigned char>(16 * high + low);
    }
    if (kinds < Space) {
      p += 2 * frame.size();
      return true;
    }
  }
  while (byte != last) {
    // The files' own form, two digits together, without a call per digit.
    if (end - p >= 2) {
      const unsigned char high = KindOf(p[0]);
      const unsigned char low = KindOf(p[1]);
      if (high < Space && low < Space) {
        *byte++ = static_cast<unsigned char>(16 * high + low);
        p += 2;
        continue;
      }
    }
    if (!ReadHexByte(p, end, *byte++)) return false;
  }
  return true;
}

GphData ReadGphData(const InstrPars& pars, const std::vector<InstrParOptPlt>& plt,
                    std::istream& in, std::time_t from, std::time_t to) {
  GphData data;
  const InstrPars readable = ReadablePars(pars);
  // A readable parameter counts for the columns whether plotted or not.
  std::vector<FrameParDecoder> columns;
  std::size_t r = 0;
  for (std::size_t p = 0; p < pars.size(); ++p) {
    if (!pars[p]->ParIsRead()) continue;
    if (plt.at(p).pltDefOpt_) {
      columns.emplace_back(readable, r);
      data.labels_.push_back(plt.at(p).pltTextOpt_);
    }
    ++r;
  }
  data.series_.resize(columns.size());

  VUC frame(FrameSize(readable));
  Reserve(data, in, FrameSize(readable), from, to);
  std::vector<double> row(columns.size());
  long last = 0;
  LineSource lines(in);
  std::string_view line;
  while (lines.Next(line)) {
    if (line.find(NoLink) != std::string_view::npos) continue;
    const char* p = line.data();
    const char* const end = p + line.size();
    long t = 0;
    if (!ReadLong(p, end, t)) continue;
    if (t < from || t <= last) continue;
    if (t > to) break;
    if (end - p < StampTail) continue;
    p += StampTail;
    SkipSpace(p, end);
    if (p == end || *p != ':') continue;
    ++p;
    if (p == end) continue;
    ++p;
    if (!ReadHexRow(frame, p, end)) continue;

    const std::size_t kept = data.times_.size();
    try {
      for (std::size_t c = 0; c < columns.size(); ++c) row[c] = columns[c].ToDouble(frame);
      data.times_.push_back(t - from);
      for (std::size_t c = 0; c < columns.size(); ++c) data.series_[c].push_back(row[c]);
    } catch (...) {
      // A record enters whole or not at all.
      data.times_.resize(kept);
      for (std::vector<double>& s : data.series_) s.resize(kept);
      continue;
    }
    // Only a kept record moves last: a settings record or an unusable line of
    // the same second must not hide the readings of that second.
    last = t;
  }
  ReleaseUnfilled(data.times_);
  for (std::vector<double>& s : data.series_) ReleaseUnfilled(s);
  return data;
}

GphData ReadGphData(Node& node, std::istream& in, std::time_t from, std::time_t to) {
  return ReadGphData(node.Type().Pars(), node.OptPlt(), in, from, to);
}

GphData::GphData(Node& node, int address, std::time_t from, std::time_t to,
                 const std::wstring& folder) {
  // Binary: the CR of each line end stays, and is read as white space.
  std::ifstream in(NativePath(MasterLogPath(folder, address)), std::ios::binary);
  *this = ReadGphData(node, in, from, to);
}

}  // namespace PardeloStravon
