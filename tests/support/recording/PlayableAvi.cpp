#include "tests/support/recording/PlayableAvi.h"

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <vector>

#include "tests/support/recording/RiffWriter.h"

namespace testrec {

namespace {

uint32_t Get32(const std::string& b, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + static_cast<size_t>(i)]);
  return v;
}

std::string Le32(uint32_t v) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
  return s;
}

std::string Size(const PlayableSpec& s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }

std::string VideoSource(const PlayableSpec& s, int index) {
  std::string common = "s=" + Size(s) + ":r=" + std::to_string(s.fps) + ":d=" + std::to_string(s.seconds);
  if (!s.flat) {
    std::string source = std::string(index == 0 ? "testsrc=" : "testsrc2=") + common;
    return s.grain ? source + ",noise=alls=24:allf=t+u" : source;
  }
  if (index == 0) return "color=c=0x808080:" + common;
  std::string halfW = std::to_string(s.width / 2), halfH = std::to_string(s.height / 2);
  return "color=c=red:" + common + ",drawbox=x=0:y=0:w=" + halfW + ":h=" + halfH +
         ":c=green:t=fill,drawbox=x=0:y=" + halfH + ":w=" + std::to_string(s.width) + ":h=" + halfH + ":c=blue:t=fill";
}

bool Encode(const std::string& out, const PlayableSpec& s) {
  std::ostringstream cmd;
  cmd << "ffmpeg -nostdin -hide_banner -loglevel error -y";
  for (int i = 0; i < s.videoStreams; ++i) cmd << " -f lavfi -i \"" << VideoSource(s, i) << "\"";
  if (s.audio) cmd << " -f lavfi -i \"sine=frequency=440:sample_rate=44100:duration=" << s.seconds << "\"";
  int inputs = s.videoStreams + (s.audio ? 1 : 0);
  for (int i = 0; i < inputs; ++i) cmd << " -map " << i;
  if (s.videoStreams > 0)
    cmd << " -c:v libx264 -preset " << (s.width > 640 ? "veryfast" : "ultrafast") << " -bf 0 -g " << s.fps
        << " -pix_fmt yuv420p";
  if (s.videoStreams > 0 && s.videoKbps > 0)
    cmd << " -b:v " << s.videoKbps << "k -maxrate " << s.videoKbps << "k -bufsize " << 2 * s.videoKbps << "k";
  if (s.audio) cmd << " -c:a aac -ac 1 -b:a 64k";
  cmd << " \"" << out << "\" </dev/null";
  return std::system(cmd.str().c_str()) == 0;
}

bool ReadAll(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  *bytes = ss.str();
  return true;
}

struct Chunk {
  std::string id;
  std::string data;
  uint32_t flags = 0;
};

struct Parsed {
  std::string hdrl;  // LIST contents after "hdrl"
  std::vector<Chunk> movi;
};

// Keeps the hdrl list and the stream chunks of movi with their index flags; ffmpeg's
// OpenDML index chunks are dropped since their offsets would no longer hold.
bool Parse(const std::string& b, Parsed* p) {
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0) return false;
  std::vector<uint32_t> flags;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    std::string id = b.substr(at, 4);
    uint32_t n = Get32(b, at + 4);
    if (at + 8 + n > b.size()) return false;
    std::string type = n >= 4 ? b.substr(at + 8, 4) : "";
    if (id == "LIST" && type == "hdrl") p->hdrl = b.substr(at + 12, n - 4);
    if (id == "LIST" && type == "movi") {
      for (size_t c = at + 12; c + 8 <= at + 8 + n;) {
        uint32_t m = Get32(b, c + 4);
        std::string cid = b.substr(c, 4);
        if (cid.compare(0, 2, "ix") != 0 && cid != "JUNK" && cid != "LIST")
          p->movi.push_back({cid, b.substr(c + 8, m)});
        c += 8 + m + (m & 1);
      }
    }
    if (id == "idx1")
      for (size_t e = at + 8; e + 16 <= at + 8 + n; e += 16)
        if (b.compare(e, 2, "ix") != 0) flags.push_back(Get32(b, e + 4));
    at += 8 + n + (n & 1);
  }
  for (size_t i = 0; i < p->movi.size() && i < flags.size(); ++i) p->movi[i].flags = flags[i];
  return !p->hdrl.empty() && !p->movi.empty();
}

std::string TextStreamList(uint32_t samples) {
  RiffWriter w;
  size_t strl = w.Open("LIST", "strl");
  std::string strh(56, '\0');
  std::memcpy(&strh[0], "txts", 4);
  std::memcpy(&strh[20], Le32(1).data(), 4);  // scale
  std::memcpy(&strh[24], Le32(1).data(), 4);  // rate: one sample a second
  std::memcpy(&strh[32], Le32(samples).data(), 4);
  w.Chunk("strh", strh);
  w.Chunk("strf", std::string(4, '\0'));
  w.Close(strl);
  return w.bytes();
}

std::string Rewrite(const Parsed& p, const PlayableSpec& s) {
  int streams = s.videoStreams + (s.audio ? 1 : 0);
  std::string textId = (streams < 10 ? "0" : "") + std::to_string(streams) + "tx";
  std::string hdrl = p.hdrl;
  if (s.sensor) {
    // avih: dwStreams is the seventh field.
    uint32_t count = Get32(hdrl, 8 + 24);
    std::memcpy(&hdrl[8 + 24], Le32(count + 1).data(), 4);
    hdrl += TextStreamList(static_cast<uint32_t>(s.seconds));
  }
  RiffWriter w;
  size_t riff = w.Open("RIFF", "AVI ");
  size_t list = w.Open("LIST", "hdrl");
  w.bytes() += hdrl;
  w.Close(list);
  size_t movi = w.Open("LIST", "movi");
  size_t moviType = movi + 8;
  std::string index;
  auto add = [&](const std::string& id, const std::string& data, uint32_t flags) {
    index += id + Le32(flags) + Le32(static_cast<uint32_t>(w.bytes().size() - moviType)) +
             Le32(static_cast<uint32_t>(data.size()));
    w.Chunk(id.c_str(), data);
  };
  int frames = 0;
  uint32_t second = 0;
  for (const Chunk& c : p.movi) {
    bool frontFrame = c.id.compare(2, 2, "dc") == 0 && c.id.compare(0, 2, "00") == 0;
    if (s.sensor && (s.videoStreams == 0 || frontFrame) && frames++ % s.fps == 0) {
      // A drive heading east: the second coordinate is the latitude, the first the longitude.
      SensorSample sample;
      float t = static_cast<float>(second);
      sample.seconds = 1700000000u + second;
      sample.x = 0.1f * t + 20.0f * std::sin(t * 0.7f);
      sample.y = 15.0f * std::cos(t * 0.4f);
      sample.z = -40.0f + 10.0f * std::sin(t * 1.3f);
      sample.speed = 40.0f + t;
      sample.coord1 = 127.0f + 0.0005f * t;
      sample.coord2 = 37.5f + 0.0001f * t;
      ++second;
      add(textId, TxPayload(sample), 0x10);
    }
    add(c.id, c.data, c.flags);
  }
  w.Close(movi);
  w.Chunk("idx1", index);
  w.Close(riff);
  return w.bytes();
}

}  // namespace

bool WritePlayableAvi(const std::string& path, const PlayableSpec& spec) {
  std::string encoded = path + ".ffmpeg.avi";
  bool ok = Encode(encoded, spec);
  std::string bytes;
  Parsed parsed;
  ok = ok && ReadAll(encoded, &bytes) && Parse(bytes, &parsed);
  std::remove(encoded.c_str());
  return ok && WriteBytes(path, Rewrite(parsed, spec));
}

std::string CachedPlayableAvi(const PlayableSpec& spec) {
  static std::mutex mutex;
  static std::map<std::string, std::string> made;
  static std::string folder;
  std::lock_guard<std::mutex> lock(mutex);
  if (folder.empty()) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "rodemir-rec-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return {};
    folder = tmpl;
    std::atexit([] { std::filesystem::remove_all(folder); });
  }
  std::ostringstream key;
  key << spec.videoStreams << "v" << spec.audio << "a" << spec.sensor << "s" << spec.seconds << "-" << spec.width << "x"
      << spec.height << "@" << spec.fps << (spec.flat ? "f" : "p") << (spec.grain ? "g" : "") << spec.videoKbps;
  auto it = made.find(key.str());
  if (it != made.end()) return it->second;
  std::string path = folder + "/" + key.str() + ".avi";
  if (!WritePlayableAvi(path, spec)) return {};
  made[key.str()] = path;
  return path;
}

}  // namespace testrec
