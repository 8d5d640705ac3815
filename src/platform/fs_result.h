#pragma once

#include <errno.h>

#include "core/fs/file_system.h"

namespace morvane::platform {

// The result for the errno of a failed step (0 when it succeeded): ENOENT is NotFound,
// EEXIST AlreadyExists, ENAMETOOLONG PathTooLong, anything else Failed.
inline core::FsResult ResultOfErrno(int error) {
  switch (error) {
    case 0:
      return {};
    case ENOENT:
      return {core::FsStatus::NotFound, error};
    case EEXIST:
      return {core::FsStatus::AlreadyExists, error};
    case ENAMETOOLONG:
      return {core::FsStatus::PathTooLong, error};
    default:
      return {core::FsStatus::Failed, error};
  }
}

}  // namespace morvane::platform
