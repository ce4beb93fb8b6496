<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Sound</name>
    <message>
        <source>Airship</source>
        <translation>飞艇</translation>
    </message>
    <message>
        <source>Alien Metron</source>
        <translation>外星人梅特隆</translation>
    </message>
    <message>
        <source>Astronaut</source>
        <translation>宇航员</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Meteorite</source>
        <translation>陨石</translation>
    </message>
    <message>
        <source>Mineral</source>
        <translation>矿石</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>卫星</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>星星</translation>
    </message>
    <message>
        <source>Milky Way</source>
        <translation>银河</translation>
    </message>
    <message>
        <source>Time Tunnel</source>
        <translation>时光隧道</translation>
    </message>
    <message>
        <source>Time Machine</source>
        <translation>时光机</translation>
    </message>
    <message>
        <source>UFO</source>
        <translation>飞碟</translation>
    </message>
    <message>
        <source>Unknown Creature</source>
        <translation>未知生物</translation>
    </message>
    <message>
        <source>Wormhole</source>
        <translation>虫洞</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
</context>
<context>
    <name>Unlocker</name>
    <message>
        <source>Peaceful Universe</source>
        <translation>宁静宇宙</translation>
    </message>
    <message>
        <source>Mass Calculator</source>
        <translation>质量计算器</translation>
    </message>
    <message>
        <source>Tolvek Launcher</source>
        <translation>Tolvek 发射器</translation>
    </message>
    <message>
        <source>UFO Attack</source>
        <translation>飞碟来袭</translation>
    </message>
    <message>
        <source>Smile Of The Astronaut</source>
        <translation>宇航员的微笑</translation>
    </message>
    <message>
        <source>Peace Universe</source>
        <translation>和平宇宙</translation>
    </message>
</context>
<context>
    <name>AboutScreen</name>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Tolvek</source>
        <translation>Tolvek</translation>
    </message>
    <message>
        <source>Exploring the Universe. It&apos;s a brand new day.</source>
        <translation>探索宇宙，崭新的一天。</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>开发者
Tolvek Alarm 团队</translation>
    </message>
    <message>
        <source>UI/UE/Graphics</source>
        <translation>界面与图形设计
Tolvek Alarm 团队</translation>
    </message>
    <message>
        <source>Translate By</source>
        <translation>翻译
Tolvek Alarm 贡献者</translation>
    </message>
    <message>
        <source>Wallpaper Designer</source>
        <translation>壁纸设计
程序生成的太空场景</translation>
    </message>
    <message>
        <source>Special Thanks To</source>
        <translation>特别感谢
Open Sans 字体 · Qt · OpenCV</translation>
    </message>
</context>
<context>
    <name>Alarm</name>
    <message>
        <source>Wakeup Slogan</source>
        <translation>该起床了！</translation>
    </message>
</context>
<context>
    <name>AlarmSchedule</name>
    <message>
        <source>Add Alarm Failed</source>
        <translation>添加闹钟失败</translation>
    </message>
    <message>
        <source>Fail to add alarm. The alarm clock resource is not enough, delete some alarms and try again.</source>
        <translation>添加闹钟失败。闹钟资源不足，请删除一些闹钟后重试。</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>SumGame</name>
    <message>
        <source>Calculator Notice</source>
        <translation>算出答案即可停止闹钟</translation>
    </message>
</context>
<context>
    <name>SmileGame</name>
    <message>
        <source>Smile Notice</source>
        <translation>对着摄像头微笑即可停止闹钟</translation>
    </message>
    <message>
        <source>camera off</source>
        <translation>摄像头已关闭</translation>
    </message>
    <message>
        <source>smile %1 of %2</source>
        <translation>微笑 %1/%2</translation>
    </message>
    <message>
        <source>face seen</source>
        <translation>看到脸了</translation>
    </message>
    <message>
        <source>looking for a face</source>
        <translation>正在寻找人脸</translation>
    </message>
    <message>
        <source>starting the camera</source>
        <translation>正在打开摄像头</translation>
    </message>
    <message>
        <source>Solve the sum instead.</source>
        <translation>请改为完成算术题。</translation>
    </message>
    <message>
        <source>No camera found.</source>
        <translation>没有找到摄像头。</translation>
    </message>
    <message>
        <source>The camera could not be started.</source>
        <translation>摄像头无法打开。</translation>
    </message>
    <message>
        <source>The camera stopped working.</source>
        <translation>摄像头停止工作了。</translation>
    </message>
    <message>
        <source>The camera&apos;s pictures cannot be read.</source>
        <translation>无法读取摄像头画面。</translation>
    </message>
    <message>
        <source>Face detection is not available.</source>
        <translation>人脸检测不可用。</translation>
    </message>
    <message>
        <source>No face seen for a minute.</source>
        <translation>一分钟内没有看到人脸。</translation>
    </message>
    <message>
        <source>Camera picture</source>
        <translation>摄像头画面</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
</context>
<context>
    <name>SumPad</name>
    <message>
        <source>Answer</source>
        <translation>答案</translation>
    </message>
</context>
<context>
    <name>TapGame</name>
    <message>
        <source>Tap Notice</source>
        <translation>点击“关闭”停止闹钟</translation>
    </message>
</context>
<context>
    <name>UnlockScreen</name>
    <message>
        <source>back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>An alarm is ringing</source>
        <translation>闹钟正在响</translation>
    </message>
    <message>
        <source>Mission Complete</source>
        <translation>任务完成</translation>
    </message>
    <message>
        <source>Well done, it&apos;s time to get up.</source>
        <translation>干得好，该起床了。</translation>
    </message>
</context>
<context>
    <name>LevelMarks</name>
    <message>
        <source>Level</source>
        <translation>难度</translation>
    </message>
</context>
<context>
    <name>MoreScreen</name>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Rate Tolvek Alarm</source>
        <translation>给 Tolvek Alarm 评分</translation>
    </message>
</context>
<context>
    <name>ClockTicker</name>
    <message>
        <source>SUN</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>周六</translation>
    </message>
</context>
<context>
    <name>UnlockerPicker</name>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
</context>
<context>
    <name>TopLevelScreen</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
</context>
<context>
    <name>NavigationStack</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>ProgressOverlays</name>
    <message>
        <source>Please wait</source>
        <translation>请稍候</translation>
    </message>
</context>
<context>
    <name>ShakeGame</name>
    <message>
        <source>Drag fast to shake</source>
        <translation>快速拖动来摇动</translation>
    </message>
    <message>
        <source>Shake Notice</source>
        <translation>摇动手机发射</translation>
    </message>
    <message>
        <source>Drag the screen fast back and forth to fill the gauge.</source>
        <translation>在屏幕上快速来回拖动来加满燃料。</translation>
    </message>
    <message>
        <source>Shake gauge</source>
        <translation>摇动进度</translation>
    </message>
</context>
<context>
    <name>BlowGame</name>
    <message>
        <source>Tap Close to wake up</source>
        <translation>点击“关闭”停止闹钟</translation>
    </message>
    <message>
        <source>Blow Notice</source>
        <translation>吹走飞碟</translation>
    </message>
    <message>
        <source>Tap Close to stop the alarm.</source>
        <translation>点击“关闭”停止闹钟。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>There are</source>
        <translation>还有</translation>
    </message>
    <message>
        <source>km</source>
        <translation>公里</translation>
    </message>
    <message>
        <source>Blow gauge</source>
        <translation>吹气进度</translation>
    </message>
</context>
<context>
    <name>SensorAcceleration</name>
    <message>
        <source>There is no motion sensor here.</source>
        <translation>这台设备没有运动传感器。</translation>
    </message>
    <message>
        <source>The motion sensor cannot be reached.</source>
        <translation>无法连接运动传感器。</translation>
    </message>
    <message>
        <source>The motion sensor does not start.</source>
        <translation>运动传感器无法启动。</translation>
    </message>
</context>
<context>
    <name>SensorWatch</name>
    <message>
        <source>The motion sensor sends readings that make no sense.</source>
        <translation>运动传感器的读数无效。</translation>
    </message>
    <message>
        <source>The motion sensor stopped answering.</source>
        <translation>运动传感器没有响应了。</translation>
    </message>
    <message>
        <source>The motion sensor is stuck on one value.</source>
        <translation>运动传感器的读数卡住了。</translation>
    </message>
</context>
<context>
    <name>BlowDetector</name>
    <message>
        <source>There is no microphone here.</source>
        <translation>这台设备没有麦克风。</translation>
    </message>
    <message>
        <source>The microphone cannot be opened; access may be refused.</source>
        <translation>无法打开麦克风，可能没有访问权限。</translation>
    </message>
    <message>
        <source>The microphone delivers no sound.</source>
        <translation>麦克风没有传来声音。</translation>
    </message>
    <message>
        <source>The microphone is muted or hears nothing.</source>
        <translation>麦克风已静音或听不到任何声音。</translation>
    </message>
    <message>
        <source>The microphone stopped working.</source>
        <translation>麦克风停止工作了。</translation>
    </message>
</context>
</TS>
