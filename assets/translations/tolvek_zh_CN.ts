<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <message>
        <source>Alarms Not Saved</source>
        <translation>闹钟未保存</translation>
    </message>
    <message>
        <source>Your change could not be saved, so your alarms are as they were. %1</source>
        <translation>无法保存您的更改，闹钟保持原样。%1</translation>
    </message>
</context>
<context>
    <name>AlarmSettingScreen</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Slogan</source>
        <translation>标语</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>贪睡</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>铃声</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Slogans are kept to %1 characters.</source>
        <translation>标语最多保留 %1 个字符。</translation>
    </message>
    <message>
        <source>Alarm Setting</source>
        <translation>闹钟设置</translation>
    </message>
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
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>This game cannot be tried in this version of the app.</source>
        <translation>此版本的应用无法试玩这个游戏。</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The alarm rings through the notification service, also while this window is closed. Keep the volume up: to stop the ringing you will have to win the game you chose.</source>
        <translation>闹钟通过通知服务响铃，窗口关闭时也会响。请保持音量：要停止铃声，您必须赢得所选的游戏。</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>不再显示</translation>
    </message>
    <message>
        <source>Not saved. Your alarms are as they were.</source>
        <translation>未保存。闹钟保持原样。</translation>
    </message>
    <message>
        <source>Snooze On</source>
        <translation>贪睡开启</translation>
    </message>
    <message>
        <source>Snooze Off</source>
        <translation>贪睡关闭</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>重复：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>铃声：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AppCore</name>
    <message>
        <source>Alarms May Not Ring</source>
        <translation>闹钟可能不会响</translation>
    </message>
    <message>
        <source>Your alarms could not be checked: %1</source>
        <translation>无法检查您的闹钟：%1</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
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
    <name>CellEditorOverlay</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>ClockFaceView</name>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>温度单位</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Next alarm</source>
        <translation>下一个闹钟</translation>
    </message>
</context>
<context>
    <name>ClockStyle</name>
    <message>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>下午</translation>
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
    <name>CropScreen</name>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>The picture could not be saved: %1</source>
        <translation>无法保存图片：%1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FeedbackMail</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>设备型号：</translation>
    </message>
    <message>
        <source>System Version:</source>
        <translation>系统版本：</translation>
    </message>
    <message>
        <source>App Version:</source>
        <translation>应用版本：</translation>
    </message>
    <message>
        <source>Suggestion &amp; Feedback</source>
        <translation>建议与反馈</translation>
    </message>
</context>
<context>
    <name>HomeScreen</name>
    <message>
        <source>Alarms</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>下午</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Tolvek</source>
        <translation>Tolvek</translation>
    </message>
    <message>
        <source>Add alarm</source>
        <translation>添加闹钟</translation>
    </message>
    <message>
        <source>What&apos;s new in version</source>
        <translation>新版本功能 </translation>
    </message>
    <message>
        <source>Version Update Log</source>
        <translation>主屏幕、闹钟编辑器，新游戏：摇一摇、吹一吹和微笑，以及用您自己照片制作的皮肤。</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Alarms ring only while this window is open</source>
        <translation>只有在此窗口打开时闹钟才会响</translation>
    </message>
    <message>
        <source>Missed alarm at %1</source>
        <translation>错过了 %1 的闹钟</translation>
    </message>
    <message>
        <source>NOTICE</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you wish to delete this alarm?</source>
        <translation>确定要删除这个闹钟吗？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>The alarm could not be deleted: its file could not be written. It is kept and still rings.</source>
        <translation>无法删除闹钟：无法写入其文件。闹钟已保留并仍会响铃。</translation>
    </message>
    <message>
        <source>The alarm could not be switched on. It stays off.</source>
        <translation>无法开启闹钟，它仍处于关闭状态。</translation>
    </message>
    <message>
        <source>The alarm could not be switched off: its file could not be written.</source>
        <translation>无法关闭闹钟：无法写入其文件。</translation>
    </message>
    <message>
        <source>The new order could not be stored.</source>
        <translation>无法保存新的顺序。</translation>
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
    <name>MenuScreen</name>
    <message>
        <source>Tolvek Alarm</source>
        <translation>Tolvek 闹钟</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>皮肤</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>More +</source>
        <translation>更多 +</translation>
    </message>
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
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>评分</translation>
    </message>
    <message>
        <source>Made by the Tolvek team · %1</source>
        <translation>Tolvek 团队出品 · %1</translation>
    </message>
    <message>
        <source>Please make sure a web browser is set up.</source>
        <translation>请确认已设置网页浏览器。</translation>
    </message>
    <message>
        <source>Please make sure your email account on the iPhone is set up.</source>
        <translation>请确认已设置邮件程序。</translation>
    </message>
    <message>
        <source>NOTICE</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
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
    <name>NavigationStack</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>NextRing</name>
    <message>
        <source>in less than a minute</source>
        <translation>不到一分钟后</translation>
    </message>
    <message>
        <source>in %1 d %2 h</source>
        <translation>%1 天 %2 小时后</translation>
    </message>
    <message>
        <source>in %1 h %2 min</source>
        <translation>%1 小时 %2 分钟后</translation>
    </message>
    <message>
        <source>in %1 min</source>
        <translation>%1 分钟后</translation>
    </message>
    <message>
        <source>No alarm is set to ring</source>
        <translation>没有设置要响的闹钟</translation>
    </message>
    <message>
        <source>Next alarm %1</source>
        <translation>下一个闹钟：%1</translation>
    </message>
</context>
<context>
    <name>OnOffSwitch</name>
    <message>
        <source>Alarm on</source>
        <translation>闹钟开启</translation>
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
    <name>ServiceStatus</name>
    <message>
        <source>Alarms ring only while this device is awake: the notification service cannot wake it from suspend.</source>
        <translation>只有在设备唤醒时闹钟才会响：通知服务无法将其从挂起中唤醒。</translation>
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
    <name>ShareSheet</name>
    <message>
        <source>Share Topic</source>
        <translation>Tolvek 闹钟</translation>
    </message>
    <message>
        <source>Share Slogan Short</source>
        <translation>我用 Tolvek 闹钟起床：要关掉它，得先赢一个小游戏。</translation>
    </message>
    <message>
        <source>Share Slogan Long</source>
        <translation>我用 Tolvek 闹钟起床：要关掉它，得先赢一个小游戏——点一点、算一算、摇一摇、吹一吹或者笑一笑。</translation>
    </message>
    <message>
        <source>Please make sure your email account on the iPhone is set up.</source>
        <translation>请确认已设置邮件程序。</translation>
    </message>
    <message>
        <source>Please make sure your Messages is set up.</source>
        <translation>请确认已设置短信程序。</translation>
    </message>
    <message>
        <source>Please make sure a web browser is set up.</source>
        <translation>请确认已设置网页浏览器。</translation>
    </message>
    <message>
        <source>NOTICE</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ShareTargets</name>
    <message>
        <source>Email</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>短信</translation>
    </message>
</context>
<context>
    <name>SkinManagerScreen</name>
    <message>
        <source>Skin %1</source>
        <translation>皮肤 %1</translation>
    </message>
    <message>
        <source>Use photo</source>
        <translation>使用照片</translation>
    </message>
    <message>
        <source>Your photo is the current skin</source>
        <translation>您的照片是当前皮肤</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.bmp *.gif *.tif *.tiff)</source>
        <translation>图片 (*.jpg *.jpeg *.png *.webp *.bmp *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>皮肤</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>This picture cannot be used</source>
        <translation>无法使用这张图片</translation>
    </message>
    <message>
        <source>Choose From Library</source>
        <translation>从图库选择</translation>
    </message>
</context>
<context>
    <name>SkinPreviewScreen</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设定</translation>
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
    <name>SoundPickerScreen</name>
    <message>
        <source>Sound</source>
        <translation>铃声</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
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
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TimePicker</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>TimePickerPanel</name>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>上午/下午</translation>
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
    <name>UnlockerPicker</name>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Unlockers</source>
        <translation>解锁游戏</translation>
    </message>
    <message>
        <source>Unlocker: %1</source>
        <translation>解锁游戏：%1</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>WeatherLocalizable</name>
    <message>
        <source>Loading</source>
        <translation>加载中</translation>
    </message>
    <message>
        <source>Fetching weather information needs internet connection.</source>
        <translation>获取天气信息需要网络连接。</translation>
    </message>
    <message>
        <source>Fetching weather information needs location service.</source>
        <translation>获取天气信息需要定位服务。</translation>
    </message>
</context>
<context>
    <name>WeekdayStrip</name>
    <message>
        <source>Once</source>
        <translation>一次</translation>
    </message>
</context>
</TS>
