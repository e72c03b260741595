//=============================================================================
// kalvenmarque: a game type that does nothing but play one demo.
//
// The player starts the game on a small map with this game type, e.g.
//   UnrealTournament.exe UT-Logo-Map.unr?Game=kalvenmarque.kalvenmarque?demo=kalvenmarque.dem?timebased
// Once the map runs, the demo named by "demo" is played with the playback
// options of the address, the way the console takes them:
//   demoplay kalvenmarque.dem?timebased
// Only Engine classes are used, so the package needs no Botpack.
//=============================================================================
class kalvenmarque extends GameInfo;

// "demoplay <demo>?<options>", emptied once issued; empty also when the address names no demo.
var string DemoCommand;

event InitGame( string Options, out string Error )
{
	local string Demo;

	Super.InitGame( Options, Error );

	Demo = ParseOption( Options, "demo" );
	if( Demo == "" )
	{
		log( "kalvenmarque: the map address names no demo" );
		return;
	}

	// Only the options the demo driver knows are passed on, in a fixed order.
	DemoCommand = "demoplay" @ Demo;
	if( HasOption( Options, "noframecap" ) )
		DemoCommand = DemoCommand $ "?noframecap";
	if( HasOption( Options, "timebased" ) )
		DemoCommand = DemoCommand $ "?timebased";
	if( HasOption( Options, "3rdperson" ) )
		DemoCommand = DemoCommand $ "?3rdperson";
}

// The command needs the local player's viewport, which exists only once the
// map has loaded and the level ticks; a dedicated server never gets one.
event Tick( float DeltaTime )
{
	local Pawn P;

	if( DemoCommand == "" )
	{
		Disable( 'Tick' );
		return;
	}
	for( P = Level.PawnList; P != None; P = P.NextPawn )
	{
		if( PlayerPawn(P) != None && Viewport(PlayerPawn(P).Player) != None )
		{
			log( "kalvenmarque:" @ DemoCommand );
			PlayerPawn(P).ConsoleCommand( DemoCommand );
			DemoCommand = "";
			Disable( 'Tick' );
			return;
		}
	}
}
