<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AppProfileSwitcher</name>
    <message>
        <source>No X display: the program in front cannot be seen, so profiles do not follow programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window manager does not tell which window is in front, so profiles do not follow programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window in front is not visible to this program (a native Wayland window), so nothing switches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No window is in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Following the program in front: %1, no rule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Following the program in front: %1, &quot;%2&quot; is in the active slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rule for %1 names &quot;%2&quot;, which is not in the profile library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is held by another slot, so it cannot go into the active one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; goes to the mouse for %2 as soon as it can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A switch to &quot;%1&quot; for %2 was skipped: the window has changes not yet applied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be put into the active slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching to &quot;%1&quot; for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switched to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The switch to &quot;%1&quot; could not be sent to the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ButtonFunction</name>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>Fire Key</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Back</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favourites</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Lighting On/Off</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>Sniper</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Rate Switch</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Gun File Manager</translation>
    </message>
</context>
<context>
    <name>HColorArea</name>
    <message>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCtr</source>
        <translation>Left Ctrl</translation>
    </message>
    <message>
        <source>RCtr</source>
        <translation>Right Ctrl</translation>
    </message>
    <message>
        <source>LShift</source>
        <translation>Left Shift</translation>
    </message>
    <message>
        <source>RShift</source>
        <translation>Right Shift</translation>
    </message>
    <message>
        <source>LAlt</source>
        <translation>Left Alt</translation>
    </message>
    <message>
        <source>RAlt</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>LWindows</source>
        <translation>Left Windows</translation>
    </message>
    <message>
        <source>RWindows</source>
        <translation>Right Windows</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished">Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished">Right</translation>
    </message>
    <message>
        <source>Num De</source>
        <translation>Num Del</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a program below comes to the front, its profile goes into the active slot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished">Profile</translation>
    </message>
    <message>
        <source>window class or program name</source>
        <translation>window class or program</translation>
    </message>
    <message>
        <source>Pick an open window or type its window class or its program&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile for the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the chosen rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile for other programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep what is there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This profile is not in the library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program rules could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name a program by its window class or its program&apos;s name: 1 to %1 characters, without control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a profile from the library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There can be at most %1 program rules.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> DOWN</source>
        <translation> DOWN</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> min</translation>
    </message>
    <message>
        <source> UP</source>
        <translation> UP</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation type="vanished">&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="vanished">&amp;Quit</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>Seven Colours</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>Seven-Colour Breathing</translation>
    </message>
    <message>
        <source>7 COLOR with tail</source>
        <translation>Seven Colours with Tail</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation type="vanished">Advance</translation>
    </message>
    <message>
        <source>All</source>
        <translation type="vanished">All</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Angle Snapping</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation type="vanished">APPLY</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want to delete this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Reset the mouse? Profile 1 and the settings of the whole mouse go back to their factory values, the five slots get their default names back and slot 1 becomes active. The profiles in slots 2 to 5 are kept.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want to reset this profile to its factory settings?</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>At least one button must keep the left click.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>At least one profile must remain.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="vanished">Back</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="vanished">Basic</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation type="vanished">Boss Key</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELEASE</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>Breathing</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation type="vanished">Browser Backward</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation type="vanished">Browser Favorite</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation type="vanished">Browser Forward</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation type="vanished">Browser Home</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation type="vanished">Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation type="vanished">Browser Search</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation type="vanished">Browser Stop</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation type="vanished">Button Off</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENAME</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="vanished">Close Window</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOUR</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Edit Colour</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation type="vanished">COMBO KEY</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation type="vanished">Combo Key</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Configuration files (*.conf)</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="vanished">Copy</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="vanished">Cut</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY (ms)</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY (ms)</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="vanished">Delay:</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to update the firmware?</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Receiver disconnected</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation type="vanished">DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation type="vanished">DPI -</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation type="vanished">DPI Switch</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Motion Sync</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="vanished">Find</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation type="vanished">FIRE KEY</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation type="vanished">FireKey Setting</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">Forward</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>Steady</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN FILE</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>Gun File</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation type="vanished">GunFile Manager</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUN FILE NAME</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation type="vanished">GUNFILE SELECT</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter Filter</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Key Response</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation type="vanished">Keyboard Key</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation type="vanished">Led Switch</translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="vanished">Left</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation type="vanished">Left Button Can not be Gun Function.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Lift Distance</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift-off Distance</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Link X and Y</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation type="vanished">Lock PC</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOP COUNT (1-255)</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation type="vanished">Macro Exist!</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation type="vanished">Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation type="vanished">Macro Manager</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation type="vanished">MACRO SELECT</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="vanished">Mail</translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="vanished">Media</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation type="vanished">Media Player</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="vanished">Middle</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation type="vanished">MOUSE ACTION</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Mouse Settings</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>LIGHTS OFF WHILE MOVING</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="vanished">Mute</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="vanished">My Computer</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>New</source>
        <translation type="vanished">New</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation type="vanished">Next Track</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>One or more keys are still held down.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="vanished">Paste</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation type="vanished">Play/Pause</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation type="vanished">Polling Rate</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter to apply</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation type="vanished">Previous Track</translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="vanished">Print</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation type="vanished">Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation type="vanished">Profile -</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>A profile with this name already exists.</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile files (*.prof)</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>This profile is already in another slot.</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation type="vanished">Profile Menu</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation type="vanished">Profile Switch</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation type="vanished">Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation type="vanished">Rate -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation type="vanished">Rate Switch</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTIONS</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT UNTIL PRESSED AGAIN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation type="vanished">REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT WHILE HELD DOWN</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="vanished">Right</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="vanished">Run</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="vanished">Save</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="vanished">Scroll Down</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>Scroll Speed</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="vanished">Scroll Up</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Sending the settings to the mouse failed. Please try again.</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation type="vanished">Show Desktop</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation type="vanished">SINGLE KEY</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation type="vanished">Single Key</translation>
    </message>
    <message>
        <source>Single WAVE</source>
        <translation>Single Wave</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation type="vanished">SNIPER</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation type="vanished">Sniper Setting</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="vanished">Stop</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation type="vanished">Switch Window</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default profiles cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>This file is not for this mouse.</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation type="vanished">Times:</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, connect the mouse to the computer with its cable.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>No more macros can be created.</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>Tri-Colour Chase</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation type="vanished">Volume Down</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation type="vanished">Volume Up</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="vanished">Windows</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Yo-Yo</translation>
    </message>
    <message>
        <source>ZiziraziWidget</source>
        <translation type="vanished">ZiziraziWidget</translation>
    </message>
    <message>
        <source>EFFECT 12</source>
        <translation>Effect 12</translation>
    </message>
    <message>
        <source>EFFECT 13</source>
        <translation>Effect 13</translation>
    </message>
    <message>
        <source>H </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mouse settings program of a known desktop was found. Open your desktop&apos;s settings and choose the mouse there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI : %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name cannot be used for a profile: it needs 1 to 100 characters, without slashes, &quot;..&quot;, control characters or blanks at either end, and it cannot be &quot;DefaultProfile&quot; or a default name in other letter case (&quot;profile 1&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every other profile is in use in another slot, so none can take this one&apos;s place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This profile is not in the library or its file is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mouse model is known yet, so there is no profile library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the macro &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the macros to export first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of these macros already exist in that folder (%2). Replace them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A macro holds at most %1 events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMPORT PROFILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXPORT PROFILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile slot on the mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new profile to the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the profile in use into a new library profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the profile in use from the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the profile in use to the factory settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a profile file to the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the profile in use to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile in use: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the profile library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse from above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse from the side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings are on the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions to insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events of the macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default delay in ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of loops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X %1 DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y %1 DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the program&apos;s own settings folder; nothing is exported there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A macro name can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the mouse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet on the mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a value outside what can be set; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>button %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; is used by %2. Delete it? Those buttons get their factory function back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro is full at %1 events: the last %2 key events were not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be set here: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choice could not be saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the desktop&apos;s pointer speed with this profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Saturation and brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation %1 %, brightness %2 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Warning</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>A gun file cannot be put on the left button.</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>CHOOSE A GUN FILE</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>CHOOSE A MACRO</translation>
    </message>
    <message>
        <source>Fire %1 ×%2 / %3 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SNIPER %1 DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Hold the modifier keys and press one more key, for example Ctrl and C. Then click OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the keys of the combination together.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Fire Key Settings</translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished">Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished">Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished">Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation type="unfinished">Keyboard Key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="unfinished">Delay:</translation>
    </message>
    <message>
        <source>Times: %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay: %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the mouse button to repeat, or Keyboard Key and then press the key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key to fire.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelKeyDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>Why OK is refused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOP COUNT (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT WHILE HELD DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT UNTIL PRESSED AGAIN</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished">Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished">No</translation>
    </message>
    <message>
        <source>Choose a macro from the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loop count must be a number from 1 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation type="unfinished">Single Key</translation>
    </message>
    <message>
        <source>Press the key the button should send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key this button should send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse cannot send &quot;%1&quot;; press another key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper Settings</translation>
    </message>
</context>
<context>
    <name>ZiziraziWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation type="unfinished">&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished">&amp;Quit</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse battery low: %1%. Please charge the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware updater could not be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want delete this profile? The %n program rule(s) naming it will be removed too.</source>
        <translation>
            <numerusform>Are you sure you want delete this profile? The program rule naming it will be removed too.</numerusform>
            <numerusform>Are you sure you want delete this profile? The %n program rules naming it will be removed too.</numerusform>
        </translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not switched to %1: changes not applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Programs...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
