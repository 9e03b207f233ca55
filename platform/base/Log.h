#pragma once
// The platform layer's one diagnostic channel: printf-style lines on standard error,
// shown when RODEMIR_LOG names the category or is "all".
void PlatformLog(const char* category, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
