#pragma once
// The name dialog; written next.
