// The compatibility plug-in exports are defined here.
