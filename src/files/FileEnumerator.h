#pragma once
// The files of one folder that match a pattern list; written next.
