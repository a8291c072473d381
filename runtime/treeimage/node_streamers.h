// Registers the class ids of the program tree with the image reader: the
// variable stack (5), the operator nodes (6-10), the node classes (11-45 and
// 87) and regex values (46). Called once at start-up, before any image is
// loaded.
#pragma once

void RegisterNodeStreamers();
