<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <message>
        <source>Alarms Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your change could not be saved, so your alarms are as they were. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmSettingScreen</name>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slogan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slogans are kept to %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Setting</source>
        <translation type="unfinished"></translation>
    </message>
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
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game cannot be tried in this version of the app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm rings through the notification service, also while this window is closed. Keep the volume up: to stop the ringing you will have to win the game you chose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved. Your alarms are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppCore</name>
    <message>
        <source>Alarms May Not Ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your alarms could not be checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BlowDetector</name>
    <message>
        <source>There is no microphone here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone cannot be opened; access may be refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone delivers no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone is muted or hears nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone stopped working.</source>
        <translation type="unfinished"></translation>
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
<context>
    <name>CellEditorOverlay</name>
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockFaceView</name>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next alarm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockStyle</name>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM</source>
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
    <name>CropScreen</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedbackMail</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestion &amp; Feedback</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolvek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new in version</source>
        <translation>What&apos;s new in version </translation>
    </message>
    <message>
        <source>Version Update Log</source>
        <translation>The home screen, the alarm editor, new games (shake, blow, smile) and skins with your own photo.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms ring only while this window is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed alarm at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to delete this alarm?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm could not be deleted: its file could not be written. It is kept and still rings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm could not be switched on. It stays off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm could not be switched off: its file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new order could not be stored.</source>
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
    <name>MenuScreen</name>
    <message>
        <source>Tolvek Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More +</source>
        <translation type="unfinished"></translation>
    </message>
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
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the Tolvek team · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure a web browser is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure your email account on the iPhone is set up.</source>
        <translation>Please make sure a mail program is set up.</translation>
    </message>
    <message>
        <source>NOTICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
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
    <name>NavigationStack</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>in less than a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1 d %2 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm is set to ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next alarm %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnOffSwitch</name>
    <message>
        <source>Alarm on</source>
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
    <name>SensorAcceleration</name>
    <message>
        <source>There is no motion sensor here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The motion sensor cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The motion sensor does not start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorWatch</name>
    <message>
        <source>The motion sensor sends readings that make no sense.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The motion sensor stopped answering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The motion sensor is stuck on one value.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceStatus</name>
    <message>
        <source>Alarms ring only while this device is awake: the notification service cannot wake it from suspend.</source>
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
    <name>ShareSheet</name>
    <message>
        <source>Share Topic</source>
        <translation>Tolvek Alarm</translation>
    </message>
    <message>
        <source>Share Slogan Short</source>
        <translation>I wake up with Tolvek Alarm: to stop it I have to win a small game.</translation>
    </message>
    <message>
        <source>Share Slogan Long</source>
        <translation>I wake up with Tolvek Alarm: to stop it I have to win a small game — tap, sum, shake, blow or smile.</translation>
    </message>
    <message>
        <source>Please make sure your email account on the iPhone is set up.</source>
        <translation>Please make sure a mail program is set up.</translation>
    </message>
    <message>
        <source>Please make sure your Messages is set up.</source>
        <translation>Please make sure a messaging program is set up.</translation>
    </message>
    <message>
        <source>Please make sure a web browser is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShareTargets</name>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinManagerScreen</name>
    <message>
        <source>Skin %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your photo is the current skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.bmp *.gif *.tif *.tiff)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This picture cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose From Library</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinPreviewScreen</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
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
    <name>SoundPickerScreen</name>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
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
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
</context>
<context>
    <name>TimePicker</name>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimePickerPanel</name>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM/PM</source>
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
    <name>UnlockerPicker</name>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlockers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlocker: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeatherLocalizable</name>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching weather information needs internet connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching weather information needs location service.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeekdayStrip</name>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
