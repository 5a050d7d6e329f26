// The tactics plug-in exports are defined here.
