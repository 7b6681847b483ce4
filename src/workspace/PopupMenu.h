#pragma once
// The popup menu component; written next.
