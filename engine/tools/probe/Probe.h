// The probe table: each probe says whether it recognises a file (by extension and first bytes) and
// loads it with the engine's own reader, answering one JSON object. Probe files register
// themselves with a static ProbeRegistration, so adding a file adds a probe.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace probe {

struct ProbeEntry {
    std::string kind;
    // path, lower-case extension with dot, first bytes of the file
    std::function<bool(const std::string&, const std::string&, const std::string&)> accepts;
    // Fills json (one object, no newline) or error; returns success.
    std::function<bool(const std::string& path, std::string& json, std::string& error)> run;
};

std::vector<ProbeEntry>& probes();

struct ProbeRegistration {
    explicit ProbeRegistration(ProbeEntry entry) { probes().push_back(std::move(entry)); }
};

// JSON string literal of s (quotes included).
std::string quote(const std::string& s);

} // namespace probe
