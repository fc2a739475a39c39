// The competition scenes and the route of their pushes; the app calls this once at start.
#pragma once

void registerContestScenes();
