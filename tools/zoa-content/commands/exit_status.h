#pragma once

namespace content {

// Exit statuses of zoa-content: 0 on success, then these.
inline constexpr int contentError = 1; // the content has errors
inline constexpr int usageError = 2;   // the command line is wrong
} // namespace content
