<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Sound</name>
    <message>
        <source>Airship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alien Metron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meteorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mineral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Tunnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Creature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wormhole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Unlocker</name>
    <message>
        <source>Peaceful Universe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolvek Launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UFO Attack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smile Of The Astronaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peace Universe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AboutScreen</name>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolvek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exploring the Universe. It&apos;s a brand new day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Developer
The Tolvek Alarm team</translation>
    </message>
    <message>
        <source>UI/UE/Graphics</source>
        <translation>UI/UE/Graphics
The Tolvek Alarm team</translation>
    </message>
    <message>
        <source>Translate By</source>
        <translation>Translate By
Tolvek Alarm contributors</translation>
    </message>
    <message>
        <source>Wallpaper Designer</source>
        <translation>Wallpaper Designer
Generated space scenes</translation>
    </message>
    <message>
        <source>Special Thanks To</source>
        <translation>Special Thanks To
Open Sans · Qt · OpenCV</translation>
    </message>
</context>
<context>
    <name>Alarm</name>
    <message>
        <source>Wakeup Slogan</source>
        <translation>Time to wake up!</translation>
    </message>
</context>
<context>
    <name>AlarmSchedule</name>
    <message>
        <source>Add Alarm Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to add alarm. The alarm clock resource is not enough, delete some alarms and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SumGame</name>
    <message>
        <source>Calculator Notice</source>
        <translation>Solve it to wake up</translation>
    </message>
</context>
<context>
    <name>SmileGame</name>
    <message>
        <source>Smile Notice</source>
        <translation>Smile into the camera to wake up</translation>
    </message>
    <message>
        <source>camera off</source>
        <translation>camera off</translation>
    </message>
    <message>
        <source>smile %1 of %2</source>
        <translation>smile %1 of %2</translation>
    </message>
    <message>
        <source>face seen</source>
        <translation>face seen</translation>
    </message>
    <message>
        <source>looking for a face</source>
        <translation>looking for a face</translation>
    </message>
    <message>
        <source>starting the camera</source>
        <translation>starting the camera</translation>
    </message>
    <message>
        <source>Solve the sum instead.</source>
        <translation>Solve the sum instead.</translation>
    </message>
    <message>
        <source>No camera found.</source>
        <translation>No camera found.</translation>
    </message>
    <message>
        <source>The camera could not be started.</source>
        <translation>The camera could not be started.</translation>
    </message>
    <message>
        <source>The camera stopped working.</source>
        <translation>The camera stopped working.</translation>
    </message>
    <message>
        <source>The camera&apos;s pictures cannot be read.</source>
        <translation>The camera&apos;s pictures cannot be read.</translation>
    </message>
    <message>
        <source>Face detection is not available.</source>
        <translation>Face detection is not available.</translation>
    </message>
    <message>
        <source>No face seen for a minute.</source>
        <translation>No face seen for a minute.</translation>
    </message>
    <message>
        <source>Camera picture</source>
        <translation>Camera picture</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
</context>
<context>
    <name>SumPad</name>
    <message>
        <source>Answer</source>
        <translation>Answer</translation>
    </message>
</context>
<context>
    <name>TapGame</name>
    <message>
        <source>Tap Notice</source>
        <translation>Tap Close to wake up</translation>
    </message>
</context>
<context>
    <name>UnlockScreen</name>
    <message>
        <source>back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An alarm is ringing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mission Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done, it&apos;s time to get up.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelMarks</name>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoreScreen</name>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate Tolvek Alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockTicker</name>
    <message>
        <source>SUN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FRI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnlockerPicker</name>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopLevelScreen</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationStack</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressOverlays</name>
    <message>
        <source>Please wait</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShakeGame</name>
    <message>
        <source>Drag fast to shake</source>
        <translation>Drag fast to shake</translation>
    </message>
    <message>
        <source>Shake Notice</source>
        <translation>Shake to launch</translation>
    </message>
    <message>
        <source>Drag the screen fast back and forth to fill the gauge.</source>
        <translation>Drag the screen fast back and forth to fill the gauge.</translation>
    </message>
    <message>
        <source>Shake gauge</source>
        <translation>Shake gauge</translation>
    </message>
</context>
<context>
    <name>BlowGame</name>
    <message>
        <source>Tap Close to wake up</source>
        <translation>Tap Close to wake up</translation>
    </message>
    <message>
        <source>Blow Notice</source>
        <translation>Blow the UFO away</translation>
    </message>
    <message>
        <source>Tap Close to stop the alarm.</source>
        <translation>Tap Close to stop the alarm.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>There are</source>
        <translation>There are</translation>
    </message>
    <message>
        <source>km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Blow gauge</source>
        <translation>Blow gauge</translation>
    </message>
</context>
</TS>
